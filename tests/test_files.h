#pragma once
// Files for the tests that write and read real ones: a whole file's bytes, and a fresh
// folder of a test's own under the system's temporary folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace testing_files {

// The file's bytes as they are on disk; empty when it cannot be read.
inline std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// An empty folder named by `prefix`, the process and the running test, so that tests
// running at once never share one.
inline std::filesystem::path FreshTestFolder(const std::string& prefix) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// The folder and all it holds gone, even where a test took away its write permission.
inline void RemoveTestFolder(const std::filesystem::path& dir) {
  std::error_code ec;
  std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(dir, ec);
}

}  // namespace testing_files
