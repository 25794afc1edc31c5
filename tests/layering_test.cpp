// The folders of src/ stand in layers, from the window runtime at the ground up to the
// program: a file may include its own folder and the folders below it, never one above.
// This test reads every quoted include of src/ and names each one that runs up. A reader
// finds a name by its namespace, so each folder's code also lives in the namespace of its
// folder (src/ui/qt in ui::qt), with only `detail` and anonymous namespaces inside it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "test_files.h"

namespace {

namespace fs = std::filesystem;

// From the ground up. A new folder of src/ takes its place here.
const std::vector<std::string> Layers = {"ui", "windows", "model", "shapes", "view", "dialogs", "editor", "app"};

int LayerOf(const std::string& folder) {
  const auto at = std::find(Layers.begin(), Layers.end(), folder);
  return at == Layers.end() ? -1 : static_cast<int>(at - Layers.begin());
}

// Every include between folders of `src` that runs up, and every folder with no layer, as
// "file:line: text" lines. Includes of anything but a folder of `src` are not counted.
std::vector<std::string> LayeringFaults(const fs::path& src) {
  std::vector<std::string> faults;
  const std::regex include(R"(^\s*#\s*include\s+"([^"/]+)/[^"]+")");
  for (const fs::directory_entry& folder : fs::directory_iterator(src)) {
    if (!folder.is_directory()) continue;
    const std::string name = folder.path().filename().string();
    const int layer = LayerOf(name);
    if (layer < 0) {
      faults.push_back(name + ": a folder with no place in the layers");
      continue;
    }
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder.path())) {
      const std::string ext = file.path().extension().string();
      if (!file.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      std::ifstream in(file.path());
      std::string line;
      for (int n = 1; std::getline(in, line); ++n) {
        std::smatch m;
        if (!std::regex_search(line, m, include) || !fs::is_directory(src / m[1].str())) continue;
        if (LayerOf(m[1].str()) > layer)
          faults.push_back(fs::relative(file.path(), src).string() + ":" + std::to_string(n) + ": " + name +
                           " includes " + m[1].str() + ", which stands above it");
      }
    }
  }
  std::sort(faults.begin(), faults.end());
  return faults;
}

// The namespace a file below `src` belongs in: its folders joined by "::".
std::string FolderNamespace(const fs::path& relative) {
  std::string name;
  for (const fs::path& part : relative.parent_path()) name += (name.empty() ? "" : "::") + part.string();
  return name;
}

// Every named namespace opened in a file of `src` that is neither its folder's nor `detail`,
// as "file:line: text" lines.
std::vector<std::string> NamespaceFaults(const fs::path& src) {
  std::vector<std::string> faults;
  const std::regex opening(R"(^\s*namespace\s+([A-Za-z_][A-Za-z_0-9:]*)\s*\{)");
  for (const fs::directory_entry& file : fs::recursive_directory_iterator(src)) {
    const std::string ext = file.path().extension().string();
    if (!file.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const fs::path relative = fs::relative(file.path(), src);
    const std::string expected = FolderNamespace(relative);
    std::ifstream in(file.path());
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      std::smatch m;
      if (!std::regex_search(line, m, opening) || m[1] == expected || m[1] == "detail") continue;
      faults.push_back(relative.string() + ":" + std::to_string(n) + ": namespace " + m[1].str() + " in " +
                       relative.parent_path().string() + ", whose namespace is " + expected);
    }
  }
  std::sort(faults.begin(), faults.end());
  return faults;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

TEST(Layering, EveryIncludeBetweenTheFoldersOfSrcRunsDown) {
  const fs::path src = fs::path(QUORVANE_TEST_DIR) / ".." / "src";
  ASSERT_TRUE(fs::is_directory(src / "model"));
  const std::vector<std::string> faults = LayeringFaults(src);
  EXPECT_TRUE(faults.empty()) << Lines(faults);
}

TEST(Layering, EveryFileOfSrcLivesInItsFoldersNamespace) {
  const fs::path src = fs::path(QUORVANE_TEST_DIR) / ".." / "src";
  ASSERT_TRUE(fs::is_directory(src / "dialogs"));
  const std::vector<std::string> faults = NamespaceFaults(src);
  EXPECT_TRUE(faults.empty()) << Lines(faults);
}

TEST(Layering, ANamespaceThatIsNotItsFoldersIsNamed) {
  const fs::path dir = testing_files::FreshTestFolder("quorvane-namespaces");
  fs::create_directories(dir / "dialogs");
  fs::create_directories(dir / "ui" / "qt");
  testing_files::WriteFileText(dir / "dialogs" / "plate.h",
                               "namespace dialogs {\nnamespace {\n}\nnamespace detail {\n}\nnamespace fs = std;\n}\n");
  testing_files::WriteFileText(dir / "dialogs" / "bar.cpp", "namespace model {\n}\n  namespace dialogs::extra {\n}\n");
  testing_files::WriteFileText(dir / "ui" / "qt" / "keys.cpp", "namespace ui::qt {\n}\nnamespace ui {\n}\n");
  EXPECT_EQ(NamespaceFaults(dir),
            (std::vector<std::string>{
                "dialogs/bar.cpp:1: namespace model in dialogs, whose namespace is dialogs",
                "dialogs/bar.cpp:3: namespace dialogs::extra in dialogs, whose namespace is dialogs",
                "ui/qt/keys.cpp:3: namespace ui in ui/qt, whose namespace is ui::qt",
            }));
  testing_files::RemoveTestFolder(dir);
}

TEST(Layering, AnUpwardIncludeAndAFolderWithoutAPlaceAreNamed) {
  const fs::path dir = testing_files::FreshTestFolder("quorvane-layering");
  for (const char* folder : {"ui", "model", "editor", "extra"}) fs::create_directories(dir / folder);
  testing_files::WriteFileText(dir / "ui" / "form.h", "#pragma once\n");
  testing_files::WriteFileText(dir / "editor" / "modes.h", "#pragma once\n#include \"model/globals.h\"\n");
  testing_files::WriteFileText(
      dir / "model" / "globals.h",
      "#pragma once\n#include <string>\n#include \"ui/form.h\"\n#include \"globals_detail.h\"\n");
  testing_files::WriteFileText(dir / "model" / "globals.cpp",
                               "#include \"model/globals.h\"\n\n  #  include \"editor/modes.h\"  // up\n");
  EXPECT_EQ(LayeringFaults(dir), (std::vector<std::string>{
                                     "extra: a folder with no place in the layers",
                                     "model/globals.cpp:3: model includes editor, which stands above it",
                                 }));
  testing_files::RemoveTestFolder(dir);
}

}  // namespace
