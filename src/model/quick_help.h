#pragma once
// The step prompts of quick help, written into the main window's prompt box.

#include <string>

namespace model {

// Writes a step prompt into the prompt box while quick help is on.
void ShowQuickHelp(const std::string& Text);

}  // namespace model
