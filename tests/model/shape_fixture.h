#pragma once
// Small shape files for the tests: rows written out as text, and a folder that stands
// for the program folder with its Shapes/ below it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace model::testing {

// A wide-flange row (31 values) and a channel row (32 values), one row per line.
inline const char* const IRow =
    "W310X97,1,307,305,15.4,9.91,0,0,9.92,0.10080645,38.1,25.4,310,97,12300,222000000,1440000,134,1590000,"
    "72400000,477000,76.7,723000,907000,1550000000000,154.39848,W12X65,12,65,152.5,153.5";
inline const char* const ChannelRow =
    "C380X74,6,381,94.5,16.5,18.2,0,0,5.72,0.17482518,36.5,0,380,74,9480,168000000,882000,133,1120000,4580000,"
    "61800,22,133000,1100000,132000000000,139,C15X50,15,50,20.3,190.5,14.8";

// Row i of a family of numbered I rows: names "S<i>" and "I<i>", Depth i.
inline std::string NumberedRow(int i) {
  const std::string n = std::to_string(i);
  return "S" + n + ",1," + n + ",100,10,6,0,0,5,0.2,20,10,100,50,5000,1,2,3,4,5,6,7,8,9,10,11,I" + n + ",4,30,50,60";
}

inline std::string NumberedFile(int rows) {
  std::string text;
  for (int i = 1; i <= rows; ++i) text += NumberedRow(i) + "\n";
  return text;
}

// A fresh program folder for one test, removed afterwards.
class ProgramFolder {
 public:
  ProgramFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps two runs of the same test (two build trees at once) apart.
    std::string name =
        std::string("quorvane_") + info->test_suite_name() + "_" + info->name() + "_" + std::to_string(::getpid());
    for (char& c : name)
      if (c == '/') c = '_';
    root_ = std::filesystem::path(::testing::TempDir()) / name;
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "Shapes");
  }
  ~ProgramFolder() { std::filesystem::remove_all(root_); }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // The folder as AppPath holds it, with a trailing "/".
  std::string AppPath() const { return root_.string() + "/"; }
  std::string Path(const std::string& file) const { return (root_ / "Shapes" / file).string(); }
  void Write(const std::string& file, const std::string& text) const {
    std::ofstream out(Path(file), std::ios::binary);
    out << text;
  }

 private:
  std::filesystem::path root_;
};

}  // namespace model::testing
