#include "tests/support/pdf_text.h"

#include <cstdio>

namespace selkan::test {

std::string CommandOutput(const std::string& command) {
  std::string out;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      out.append(buffer, got);
    pclose(pipe);
  }
  return out;
}

std::vector<std::string> PdfPageTexts(const std::string& path) {
  const std::string text = CommandOutput("pdftotext -layout '" + path + "' -");
  std::vector<std::string> pages;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
    pages.push_back(text.substr(start, end - start));
  return pages;
}

}  // namespace selkan::test
