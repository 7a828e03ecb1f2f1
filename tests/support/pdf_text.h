#pragma once

#include <string>
#include <vector>

namespace selkan::test {

// What a shell command prints on stdout (empty when it cannot run).
std::string CommandOutput(const std::string& command);

// The text of each page of a PDF file, as pdftotext -layout finds it.
std::vector<std::string> PdfPageTexts(const std::string& path);

}  // namespace selkan::test
