#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace selkan::fuzz {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

std::uint8_t Input::Byte() {
  if (size_ == 0) return 0;
  --size_;
  return *data_++;
}

std::string_view Input::Bytes(std::size_t n) {
  n = std::min(n, size_);
  const std::string_view bytes(reinterpret_cast<const char*>(data_), n);
  data_ += n;
  size_ -= n;
  return bytes;
}

std::string ScratchFile(const char* name) {
  // In memory where offered: every save flushes, which on a disk would set the run's pace.
  static const struct Directory {
    std::string path = (::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm")
                                                        : std::filesystem::temp_directory_path()) /
                       "selkan-fuzz-XXXXXX";
    Directory() { Check(::mkdtemp(path.data()) != nullptr, "scratch directory made"); }
    ~Directory() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } directory;
  return directory.path + "/" + name;
}

}  // namespace selkan::fuzz
