#pragma once
// The settings kept in the per-user settings store: application "Quorvane", section
// "Settings", one text value per key. Read once at start-up, written once at exit; in
// between they live in the shared variables (and the main window's place and view).

#include <string>

namespace app {

inline constexpr const char* SettingsSection = "Settings";

// The main window's rectangle and state ("MainLeft" .. "WindowState").
void ReadWindowPlacement();
// Every other key, in the store's reading order; the view keys go into the drawing area.
void ReadSettings();
// Every key; the rectangle only while the main window is in its normal state.
void WriteSettings();
// Every setting at its default, as a first start reads them.
void ApplySettingDefaults();

// The conversions between a stored text and a value, "." the decimal point whatever the
// user's locale (a change of locale must not misread what an earlier run stored). Each
// returns false for a text that does not read as its kind, and the caller then uses the
// key's default.
bool ReadSingle(const std::string& text, float& value);
bool ReadInt16(const std::string& text, int16_t& value);
bool ReadBoolean(const std::string& text, int16_t& value);

}  // namespace app
