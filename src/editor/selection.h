#pragma once
// Removing the selected elements from the section, as Erase and Cut both do.

#include <cstdint>

namespace editor {

// Deletes the selected elements among 1 to ElementCount: each later record moves down one
// place, whole, so the survivors keep their order. Returns how many went; ElementCount is
// reduced by that many. The document state is the caller's.
int16_t RemoveSelectedElements();

}  // namespace editor
