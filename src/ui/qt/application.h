#pragma once
// Starting the program on Qt: checks for a display (a clear message instead of Qt's
// abort when there is none), creates the application, installs the Qt platform, runs
// `start` and then the event loop until the main window unloads.

#include <functional>
#include <string>

namespace ui::qt {

class QtPlatform;

// False, with the reason, when Qt would find no display to open windows on.
bool DisplayAvailable(int argc, char** argv, std::string& why);

// Returns the program's exit code.
int RunApplication(int argc, char** argv, const std::function<void(QtPlatform&)>& start);

}  // namespace ui::qt
