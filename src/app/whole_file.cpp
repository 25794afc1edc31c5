#include "app/whole_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace app {

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  if (path.empty()) return false;
  const std::string temporary = path + ".~partial";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  std::error_code error;
  if (ok) {
    std::filesystem::rename(temporary, path, error);
    ok = !error;
  }
  if (!ok) std::filesystem::remove(temporary, error);
  return ok;
}

}  // namespace app
