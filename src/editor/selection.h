#pragma once
// The selection of the section's elements: asking after one, and removing the selected
// ones as Erase and Cut both do.

#include <cstddef>
#include <cstdint>

#include "model/globals.h"

namespace editor {

// Whether element i (1 to ElementCount) is selected.
inline bool Selected(int i) { return model::G.Elements[static_cast<size_t>(i)].Selected != 0; }

// Deletes the selected elements among 1 to ElementCount: each later record moves down one
// place, whole, so the survivors keep their order. Returns how many went; ElementCount is
// reduced by that many. The document state is the caller's.
int16_t RemoveSelectedElements();

}  // namespace editor
