#include "settings/profile_text.h"

namespace selkan {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsGbkLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsGbkTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE; }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
      return false;
    }
    if (n - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(bytes[i + k]);
      if (!IsContinuation(byte)) return false;
      code = (code << 6) | (byte & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

TextEncoding DetectEncoding(std::string_view bytes) {
  return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

std::size_t CharLength(std::string_view bytes, std::size_t pos, TextEncoding encoding) {
  // In UTF-8 no byte of a multibyte character is ASCII, so byte by byte is
  // enough for everything the store does with characters.
  if (encoding == TextEncoding::Gbk && pos + 1 < bytes.size() &&
      IsGbkLead(static_cast<unsigned char>(bytes[pos])) &&
      IsGbkTrail(static_cast<unsigned char>(bytes[pos + 1]))) {
    return 2;
  }
  return 1;
}

bool TextEquals(std::string_view a, std::string_view b, bool foldCase, TextEncoding encoding) {
  if (a.size() != b.size()) return false;
  if (!foldCase) return a == b;
  std::size_t i = 0;
  while (i < a.size()) {
    // Equal bytes up to here make both texts split into the same characters.
    const std::size_t length = CharLength(a, i, encoding);
    if (length == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool EndsWithChar(std::string_view text, char c, TextEncoding encoding) {
  if (text.empty() || text.back() != c) return false;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t length = CharLength(text, i, encoding);
    if (i + length == text.size()) return length == 1;
    i += length;
  }
  return false;
}

std::string CutValueNote(std::string_view value) {
  for (const std::string_view marker : {"//", "\t;", "/*"}) {
    const std::size_t at = value.find(marker);
    if (at != std::string_view::npos) value = value.substr(0, at);
  }
  return std::string(value);
}

}  // namespace selkan
