#pragma once
// The one place where the main window's events are joined to their handlers.

namespace app {

// Connects every control, menu item and toolbar button of Sheet() to its handler, and
// fills the slots through which the folders below ask the ones above (ending a running
// command, the discard question, the result captions). The program calls it once at
// start-up; tests call it on a fresh Sheet().
void WireMainWindow();

}  // namespace app
