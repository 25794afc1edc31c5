#pragma once
// Writing a file whole or not at all: the text goes into a temporary file beside the
// target, which is renamed over the target only once everything was written. A failure
// leaves the target as it was and no temporary file behind.

#include <string>

namespace app {

// True when `path` now holds exactly `bytes`.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace app
