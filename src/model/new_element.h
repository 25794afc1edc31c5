#pragma once
// What the element builders share: the range checks of the values they store and the
// hand-over of a new element to the placing mode.

#include <functional>
#include <string>

#include "model/element_record.h"

namespace model {

// The editor's end of a running placing, Move, Rotate or Mirror: an element still being
// placed is dropped, a moved, turned or mirrored one is put back. The editor sits above
// the builders and the dialogs that add elements, so the program fills this slot at
// start-up; EndCommandInProgress calls it when it is filled.
inline std::function<void()> EndCommandSlot;
void EndCommandInProgress();

// A value computed in double precision that a single-precision field can hold.
bool FitsSingle(double value);
// A value whose rounding half to even fits a 16-bit integer field.
bool FitsInt16(double value);

// An angle box's text read as degrees; refused unless it reads as a number that turns into
// a finite number of radians.
bool ReadAngleDegrees(const std::string& text, double& degrees);
// A size typed in inches made millimetres through its text: `text` becomes the millimetre
// text and `size` the number that text reads back as, so the box and the element always
// agree. False, changing nothing, when the millimetres cannot be held.
bool InchesToMillimetreText(double& size, std::string& text);

// Appends `record` as element ElementCount + 1 (the caller has checked that there is
// room), makes it the element being placed, shows its designation in the prompt box and
// opens the typed-entry box for coordinates.
void StartPlacing(const ElementRecord& record);

}  // namespace model
