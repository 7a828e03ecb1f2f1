#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "settings/profile_store.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>

#include <vector>
#endif

namespace selkan {

namespace fs = std::filesystem;

namespace {

#if defined(_WIN32)
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string& ChosenDirectory() {
  static std::string directory;
  return directory;
}

// Full path of the running program file; empty when it cannot be found.
fs::path ExecutablePath() {
#if defined(_WIN32)
  wchar_t buffer[32768];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, sizeof buffer / sizeof buffer[0]);
  if (length == 0 || length >= sizeof buffer / sizeof buffer[0]) return {};
  return fs::path(std::wstring(buffer, length));
#elif defined(__APPLE__)
  std::uint32_t size = 0;
  _NSGetExecutablePath(nullptr, &size);
  std::vector<char> buffer(size + 1, '\0');
  if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
  return fs::path(buffer.data());
#else
  std::error_code error;
  fs::path path = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : path;
#endif
}

std::string WithSeparator(std::string directory) {
  if (directory.empty() || directory.back() != kSeparator) directory += kSeparator;
  return directory;
}

}  // namespace

void SetProgramDirectory(std::string directory) {
  ChosenDirectory() = directory.empty() ? std::string() : WithSeparator(std::move(directory));
}

std::string ProgramDirectory() {
  if (!ChosenDirectory().empty()) return ChosenDirectory();
  const fs::path program = ExecutablePath();
  if (program.has_parent_path()) return WithSeparator(program.parent_path().string());
  // Without a known program file the current directory stands in for it.
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return error ? std::string() : WithSeparator(current.string());
}

}  // namespace selkan
