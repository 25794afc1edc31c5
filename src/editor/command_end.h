#pragma once
// Ending a running editing mode before a command replaces or reorders the elements, so no
// mode goes on with elements that are no longer the ones it started with (a later Esc
// would otherwise drop a real element).

namespace editor {

// True while placing, moving, rotating or mirroring.
bool CommandInProgress();

// With a mode running: CancelCommand. With KeepSelection the elements selected before stay
// selected (those that survive the cancel), for the commands that act on the selection.
// Without a mode nothing is touched.
void EndCommandInProgress(bool KeepSelection = false);

}  // namespace editor
