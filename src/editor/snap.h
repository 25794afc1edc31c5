#pragma once
// The object snap: the table of characteristic points of the elements that stay put, the
// points of the element(s) following the pointer, and the search for the first pair
// closer than the capture radius (25 drawing units at the default zoom).

#include <cstdint>

#include "model/element_record.h"

namespace editor {

// Refills the table from every element that is neither selected nor being placed.
void BuildSnapPoints();
// The points of Elem into the own-point list: about its PosX, PosY when Index < 1, about
// the preview position of element Index otherwise.
void ComputeSnapPoints(const model::ElementRecord& Elem, int16_t Index);
// Searches a match for the moving element(s); records it in the snap state, and while
// placing shows its distance in the typed-entry box.
void FindObjectSnap();
// F2: the next of the moving element's own points becomes the source.
void AdvanceSnapChoice();

}  // namespace editor
