#include "editor/selection.h"

#include "model/globals.h"
#include "model/guards.h"

namespace editor {

using model::G;

int16_t RemoveSelectedElements() {
  const int n = model::ElementsInUse();
  int16_t removed = 0;
  for (int i = 1; i <= n; ++i) {
    // Slot i is looked at again after each removal: it then holds the next element. The
    // last slot keeps a copy of its record, unselected, so the loop ends.
    while (G.Elements[i].Selected) {
      for (int j = i; j <= n - 1; ++j) G.Elements[j] = G.Elements[j + 1];
      G.Elements[n].Selected = model::False;
      ++removed;
    }
  }
  G.ElementCount = static_cast<int16_t>(n - removed);
  return removed;
}

}  // namespace editor
