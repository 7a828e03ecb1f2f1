#pragma once

#include <string>
#include <string_view>

namespace selkan {

// The number a backup file carries: the decimal digits at the start of the
// last three characters of its name; 0 when those do not begin with a digit.
int BackupNumberOf(std::string_view fileName);

// The next numbered backup path of a file: "<path>.NNN" (at least three
// digits), one above the largest number carried by the files beside it whose
// names begin with the file's name without its extension.
std::string NextBackupPath(const std::string& filePath);

}  // namespace selkan
