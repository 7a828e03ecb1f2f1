#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/support/file_tests.h"

// A check that stops the run as a crash does (the input is kept), and reading an input.
namespace selkan::fuzz {

void Check(bool condition, const char* what);

// Reads an input from the front; once it is used up every read gives 0 or nothing.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte();
  std::string_view Bytes(std::size_t n);  // up to n
  std::string_view Rest() { return Bytes(size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// A file path in a directory of this process, removed when it ends; read and written with
// test::ReadBytes and test::WriteBytes.
std::string ScratchFile(const char* name);

}  // namespace selkan::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
