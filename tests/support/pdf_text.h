#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace selkan::test {

// The text of each page of a PDF file, as pdftotext -layout finds it.
inline std::vector<std::string> PdfPageTexts(const std::string& path) {
  std::string text;
  if (std::FILE* pipe = popen(("pdftotext -layout '" + path + "' -").c_str(), "r")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      text.append(buffer, got);
    pclose(pipe);
  }
  std::vector<std::string> pages;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
    pages.push_back(text.substr(start, end - start));
  return pages;
}

}  // namespace selkan::test
