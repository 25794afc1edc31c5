#pragma once
// The program's command line as the one text start-up hands to Open: every argument
// after the program's own name, joined by single blanks (a path with blanks that the
// shell passed as one argument comes back whole).

#include <string>

namespace app {

// Stops at the first null entry, so it may be called after the window toolkit has taken
// its own options out of argv.
std::string CommandLineText(int argc, char** argv);

// main() keeps the text here for start-up.
void SetCommandLine(int argc, char** argv);
const std::string& CommandLineText();

// Start-up's step for a document named on the command line: with a text there, it goes
// into G.CommandLineFile and Open reads it (and empties it); with none, nothing happens.
// The text is used once: a second call does nothing.
void OpenCommandLineFile();

}  // namespace app
