// Runs a fuzz target over files or directories of them: every build replays the corpus.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/fuzz/fuzz_support.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    inputs.push_back(argv[i]);
    if (fs::is_directory(argv[i]))
      for (const auto& entry : fs::directory_iterator(argv[i])) inputs.push_back(entry.path());
  }
  std::erase_if(inputs, [](const fs::path& input) { return !fs::is_regular_file(input); });
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR_OR_FILE... (no inputs found)\n", argv[0]);
    return 1;
  }
  for (const fs::path& input : inputs) {
    const std::string bytes = selkan::test::ReadBytes(input);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs ran\n", inputs.size());
  return 0;
}
