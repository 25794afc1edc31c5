// The command line as one text.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace app {
namespace {

TEST(CommandLine, EveryArgumentAfterTheProgramJoinedByBlanks) {
  struct Case {
    std::vector<const char*> args;
    const char* text;
  };
  const Case cases[] = {
      {{"quorvane"}, ""},
      {{"quorvane", "beam.qvn"}, "beam.qvn"},
      {{"quorvane", "/home/me/my beam.qvn"}, "/home/me/my beam.qvn"},
      {{"quorvane", "\"beam.qvn\""}, "\"beam.qvn\""},
      {{"quorvane", "a.qvn", "b.qvn"}, "a.qvn b.qvn"},
  };
  for (const Case& c : cases) {
    std::vector<char*> argv;
    for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
    argv.push_back(nullptr);
    EXPECT_EQ(CommandLineText(static_cast<int>(c.args.size()), argv.data()), c.text);
  }
  // Entries the toolkit took out end the list early.
  char prog[] = "quorvane", file[] = "beam.qvn";
  char* shortened[] = {prog, file, nullptr, file};
  EXPECT_EQ(CommandLineText(4, shortened), "beam.qvn");
}

TEST(CommandLine, StartUpOpensTheNamedDocumentOnce) {
  ui::headless::ScopedHeadless h;
  model::G = model::Globals{};
  windows::ResetSheet();
  char prog[] = "quorvane", file[] = "/nonexistent/beam.qvn";
  char* argv[] = {prog, file, nullptr};
  SetCommandLine(2, argv);
  EXPECT_EQ(CommandLineText(), "/nonexistent/beam.qvn");
  OpenCommandLineFile();
  OpenCommandLineFile();
  // Open tried it (and said so) once, with no dialog.
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>{"Invalid File or File Not Found!"});
  EXPECT_TRUE(h.platform.FileRequests.empty());
  EXPECT_EQ(model::G.CommandLineFile, "");
  char* none[] = {prog, nullptr};
  SetCommandLine(1, none);
  OpenCommandLineFile();
  EXPECT_EQ(h.platform.Messages.size(), 1u);
}

}  // namespace
}  // namespace app
