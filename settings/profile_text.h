#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text_encoding.h"

namespace selkan {

// Byte-level text helpers of the profile store. A profile keeps the bytes of
// its file as they are: UTF-8 when its texts are valid UTF-8, otherwise
// GB2312/GBK. Only ASCII bytes that stand as characters of their own are
// ever interpreted (compared without case, trimmed, searched for).

bool IsValidUtf8(std::string_view bytes);
TextEncoding DetectEncoding(std::string_view bytes);

// Number of bytes of the character that starts at bytes[pos] (1 or 2).
std::size_t CharLength(std::string_view bytes, std::size_t pos, TextEncoding encoding);

// Equality of two texts. With foldCase, ASCII letters compare without regard
// to case; a byte inside a double-byte character is always compared exactly.
bool TextEquals(std::string_view a, std::string_view b, bool foldCase, TextEncoding encoding);

// Removes leading and trailing blanks (space, tab, CR, LF, VT, FF).
std::string_view TrimBlanks(std::string_view text);

// True when the last character of the text is the single byte c, not the
// trail byte of a double-byte character.
bool EndsWithChar(std::string_view text, char c, TextEncoding encoding);

// Cuts a stored value at its note markers, in this order, each time from the
// first occurrence to the end: "//", tab + ";", "/*". Nothing is trimmed, so
// blanks in front of a marker stay.
std::string CutValueNote(std::string_view value);

}  // namespace selkan
