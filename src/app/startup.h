#pragma once
// The main window's life: start-up brings the program into its working state from the
// settings store, the close path asks before discarding changes and writes every setting
// back.

#include <cstdint>

namespace app {

// The main window's Load event: run once when the program creates it.
void Form_Load();
// Gives the results face to the 59 labels of the results panel.
void SetResultFonts();
// Every request to close the main window: with unsaved changes the user is asked, and
// any answer but Yes sets Cancel and keeps the window open.
void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode);
// After a close that went ahead: every setting is written to the store.
void Form_Unload(int16_t& Cancel);
// File > Exit and Ctrl+Q: closes the main window by the same path as its close box.
void Exit_Click();

// The face of the results panel and the file it is registered from.
inline constexpr const char* ResultFace = "ER Architect";
inline constexpr const char* ResultFontFile = "erarch.ttf";

}  // namespace app
