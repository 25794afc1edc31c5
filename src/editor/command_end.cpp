#include "editor/command_end.h"

#include <array>

#include "editor/modes.h"
#include "model/globals.h"
#include "model/guards.h"

namespace editor {

using model::G;

bool CommandInProgress() { return G.PlaceMode || G.MoveMode || G.RotateMode || G.MirrorMode; }

void EndCommandInProgress(bool KeepSelection) {
  if (!CommandInProgress()) return;
  std::array<model::Bool16, model::MaxElements + 1> selected{};
  for (int i = 1; i <= model::ElementsInUse(); ++i) selected[i] = G.Elements[i].Selected;
  CancelCommand();
  if (!KeepSelection) return;
  for (int i = 1; i <= model::ElementsInUse(); ++i) G.Elements[i].Selected = selected[i];
}

}  // namespace editor
