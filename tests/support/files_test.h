#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/file_tests.h"

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

namespace selkan::test {

class FilesTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_ / name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    WriteBytes(dir_ / name, bytes);
    return dir_ / name;
  }
  static std::string Read(const std::string& path) { return ReadBytes(path); }

  ScratchDir dir_;
};

}  // namespace selkan::test
