#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_text.h"

namespace selkan {

// The line format of a profile file: "[Section]" header lines and
// "key = value" lines; everything else is skipped.

// The three bytes that some editors put in front of a UTF-8 file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Splits file content into lines ending in LF or CRLF; line ends are removed.
// A last line without line end counts.
std::vector<std::string_view> SplitLines(std::string_view content);

struct ProfileLine {
  enum class Kind { Skipped, Header, Entry };
  Kind kind = Kind::Skipped;
  std::string_view name;   // section name of a header, key of an entry
  std::string_view value;  // value of an entry
};

// Reads one line: trimmed, a header when it begins with "[" and ends with
// "]" (the name between them is not trimmed again); otherwise split at the
// first "=" into a trimmed key and value (no "=": empty value). Lines with
// an empty key and comment lines (key beginning with ; / \ *) are skipped.
ProfileLine ClassifyLine(std::string_view line, TextEncoding encoding);

// The lines written back: "[name]" for a named section, "key=value" (just
// "key" for an empty key), each ended by CR LF.
void AppendHeaderLine(std::string& out, std::string_view name);
void AppendEntryLine(std::string& out, std::string_view key, std::string_view value);

}  // namespace selkan
