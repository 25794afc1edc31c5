#pragma once
// Copy, Cut and Paste of elements through the system clipboard, as plain text.

namespace editor {

// Puts the selected elements on the clipboard and deselects them.
void Copy_Click();
// As Copy, then deletes the selected elements (an undo step, even with none selected).
void Cut_Click();
// Appends the clipboard's elements, selected, 10 mm up and to the right of where they were
// copied. What does not read, or does not fit in the 50 elements, is refused with a message.
void Paste_Click();

}  // namespace editor
