#pragma once

#include <string>
#include <vector>

namespace selkan::test {

// The text of each page of a PDF file, as pdftotext -layout finds it.
std::vector<std::string> PdfPageTexts(const std::string& path);

}  // namespace selkan::test
