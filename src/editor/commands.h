#pragma once
// The commands of the main window as the toolbar and the drawing area's keys reach them,
// the Edit menu's opening, and the erase and select-all commands.
//
// A toolbar button or key whose command has a menu item runs that item's Click, so a
// command is joined to its handler once, at the menu item, and all three routes end there.
//
// src/editor stands on dialogs/ and the folders below it: the pointer and keyboard state
// machine, previews, object snap, typed entry, commands and toolbar, undo, clipboard and
// documents. What the File commands need from app/ (the question box, the result
// captions) comes through the slots in documents.h, filled at start-up.

#include <cstdint>

#include "ui/control.h"

namespace editor {

// The toolbar's click: rebuilds the snap points, then runs the command of the button's key.
void tbToolBar_ButtonClick(ui::ToolbarButton& Button);

// The drawing area's key release: the key table (Del, Esc, F1, F2 with any modifiers;
// Ctrl+N, O, S, P, Q, Z, Y, X, C, V, A with Ctrl alone).
void Base_KeyUp(int16_t& KeyCode, int16_t Shift);

// The Edit menu opens: Cut and Copy follow the selection, Paste the clipboard text. The
// toolbar buttons keep their own states.
void Edit_Click();

// Deletes the selected elements; always ends with an undo step, the results and a redraw.
void EraseSelected();

// Selects every element and redraws.
void SelectAll_Click();

}  // namespace editor
