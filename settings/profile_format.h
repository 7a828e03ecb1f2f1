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

// A line of the file: its bytes and the line end that followed them (LF,
// CR LF, or nothing for a last line without one).
struct RawLine {
  std::string_view text;
  std::string_view end;
};

// Splits file content into lines ending in LF or CRLF. A last line without
// line end counts.
std::vector<RawLine> SplitLines(std::string_view content);

struct ProfileLine {
  enum class Kind { Skipped, Header, Entry };
  Kind kind = Kind::Skipped;
  std::string_view name;   // section name of a header, key of an entry
  std::string_view value;  // value of an entry
  bool hasEquals = false;  // an entry written with "="
};

// Reads one line: trimmed, a header when it begins with "[" and ends with
// "]" (the name between them is not trimmed again); otherwise split at the
// first "=" into a trimmed key and value (no "=": empty value). Lines with
// an empty key and comment lines (key beginning with ; / \ *) are skipped.
// A "]" counts when it is a character of its own in the file's encoding, or
// when the line is valid UTF-8 by itself: a UTF-8 header stays a header in
// a file that also holds GBK text.
ProfileLine ClassifyLine(std::string_view line, TextEncoding encoding);

// The encoding of a file's text, judged on the lines that carry headers and
// entries only: a comment or a skipped line in another encoding does not
// decide how the file's names and values read.
TextEncoding JudgeEncoding(const std::vector<RawLine>& lines);

// An entry line with a new value: the line up to where its value began
// (indentation, key and the spacing around "=" kept), then the value. A line
// without "=" gets one after its key.
std::string RewriteEntryLine(std::string_view line, const ProfileLine& entry,
                             std::string_view value);

// The lines a write-back adds: "[name]", and "key=value" (just the value
// for an empty key).
std::string HeaderLine(std::string_view name);
std::string EntryLine(std::string_view key, std::string_view value);

}  // namespace selkan
