#pragma once

#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace selkan::test {

// The text of each page of a PDF file, as pdftotext -layout finds it.
inline std::vector<std::string> PdfPageTexts(const std::string& path) {
  std::string text;
  BackgroundProcess("/usr/bin/pdftotext", {"-layout", path, "-"}).Read(text, false, 60);
  std::vector<std::string> pages;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
    pages.push_back(text.substr(start, end - start));
  return pages;
}

}  // namespace selkan::test
