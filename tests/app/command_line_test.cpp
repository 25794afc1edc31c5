// The command line as one text.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
}  // namespace app
