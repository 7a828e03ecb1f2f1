#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace selkan::fuzz {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what), std::abort();
}

std::uint8_t Input::Byte() {
  const std::string_view byte = Bytes(1);
  return byte.empty() ? 0 : static_cast<std::uint8_t>(byte[0]);
}

std::string_view Input::Bytes(std::size_t n) {
  n = std::min(n, size_);
  const std::string_view bytes(reinterpret_cast<const char*>(data_), n);
  data_ += n, size_ -= n;
  return bytes;
}

std::string ScratchFile(const char* name) {
  // In memory where offered: every save flushes, which on a disk would set the run's pace.
  static const test::ScratchDir directory(::access("/dev/shm", W_OK) == 0
                                              ? std::filesystem::path("/dev/shm")
                                              : std::filesystem::temp_directory_path());
  return directory / name;
}

}  // namespace selkan::fuzz
