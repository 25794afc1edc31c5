#pragma once
// The one place where the main window's events are joined to their handlers.
//
// src/app is the top floor: start-up and shut-down, settings, the options and precision
// dialogs, the print page, the text export, the small dialogs and main(). It is the only
// folder that sees all the others, so it joins them: handlers to controls, and the slots
// through which a lower folder asks an upper one.

namespace app {

// Connects every control, menu item and toolbar button of Sheet() to its handler, and
// fills the slots through which the folders below ask the ones above (ending a running
// command, the discard question, the result captions). The program calls it once at
// start-up; tests call it on a fresh Sheet().
void WireMainWindow();

}  // namespace app
