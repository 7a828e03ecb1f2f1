#include "settings/profile_backup.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace selkan {

namespace fs = std::filesystem;

int BackupNumberOf(std::string_view fileName) {
  const std::string_view tail =
      fileName.substr(fileName.size() - std::min<std::size_t>(3, fileName.size()));
  int number = 0;
  for (const char c : tail) {
    if (c < '0' || c > '9') break;
    number = number * 10 + (c - '0');
  }
  return number;
}

std::string NextBackupPath(const std::string& filePath) {
  const fs::path path(filePath);
  // The stem ends at the last "." of the file name; a dot in a directory
  // name does not count.
  const std::string name = path.filename().string();
  const std::size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
  fs::path directory = path.parent_path();
  if (directory.empty()) directory = ".";

  int largest = 0;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    const std::string candidate = it->path().filename().string();
    if (candidate.compare(0, stem.size(), stem) == 0) {
      largest = std::max(largest, BackupNumberOf(candidate));
    }
  }
  char number[16];
  std::snprintf(number, sizeof number, ".%.3d", largest + 1);
  return filePath + number;
}

}  // namespace selkan
