#pragma once
// The undo history: four states back and four forward, kept as whole copies of the
// element array in G.UndoStore. Level 5 is the current state.

namespace editor {

// Records the current elements as the new current level; the old one becomes undoable.
// Every command that changes the elements calls it after the change.
void PushUndoState();

// Steps back to the newest undoable level, or forward to the next redoable one. Each
// leaves the document modified, with its title rewritten, and the section recalculated.
void Undo_Click();
void Redo_Click();

// Empties the history and makes the document now in force its current level (New, Open,
// start-up).
void ResetUndoHistory();

}  // namespace editor
