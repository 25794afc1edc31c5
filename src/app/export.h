#pragma once
// File > Export to Text File...: the property report written into a file the user names.

namespace app {

// Sheet.Export_Click.
void Export_Click();

}  // namespace app
