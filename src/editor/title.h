#pragma once
// The main window's title: the product word, the document path and its modified state.

namespace editor {

// Writes Sheet().Caption from G.FileName and G.Modified. An untitled, unchanged document
// shows "Quorvane - (Unmodified)"; an untitled one with changes keeps the blank that the
// empty path leaves: "Quorvane -  (Modified)".
void ShowTitle();

}  // namespace editor
