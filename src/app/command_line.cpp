#include "app/command_line.h"

#include "editor/documents.h"
#include "model/globals.h"

namespace app {

namespace {

std::string commandLine;

}  // namespace

std::string CommandLineText(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc && argv[i]; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

void SetCommandLine(int argc, char** argv) { commandLine = CommandLineText(argc, argv); }

const std::string& CommandLineText() { return commandLine; }

void OpenCommandLineFile() {
  if (commandLine.empty()) return;
  model::G.CommandLineFile = commandLine;
  commandLine.clear();  // one document, once
  editor::Open_Click();
}

}  // namespace app
