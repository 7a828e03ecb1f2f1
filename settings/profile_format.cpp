#include "settings/profile_format.h"

namespace selkan {

std::vector<RawLine> SplitLines(std::string_view content) {
  std::vector<RawLine> lines;
  while (!content.empty()) {
    const std::size_t newline = content.find('\n');
    if (newline == std::string_view::npos) {
      lines.push_back({content, {}});
      break;
    }
    const std::size_t textEnd = newline > 0 && content[newline - 1] == '\r' ? newline - 1 : newline;
    lines.push_back({content.substr(0, textEnd), content.substr(textEnd, newline + 1 - textEnd)});
    content.remove_prefix(newline + 1);
  }
  return lines;
}

ProfileLine ClassifyLine(std::string_view line, TextEncoding encoding) {
  line = TrimBlanks(line);
  ProfileLine result;
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
      (EndsWithChar(line, ']', encoding) || IsValidUtf8(line))) {
    result.kind = ProfileLine::Kind::Header;
    result.name = line.substr(1, line.size() - 2);
    return result;
  }
  const std::size_t equals = line.find('=');
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  if (key.empty()) return result;
  switch (key.front()) {
    case ';':
    case '/':
    case '\\':
    case '*':
      return result;  // a comment line
    default:
      break;
  }
  result.kind = ProfileLine::Kind::Entry;
  result.name = key;
  result.hasEquals = equals != std::string_view::npos;
  // Even an empty value points into the line: after "=" and the blanks that
  // follow it, where a new value will go.
  result.value = result.hasEquals ? TrimBlanks(line.substr(equals + 1)) : std::string_view();
  return result;
}

TextEncoding JudgeEncoding(const std::vector<RawLine>& lines) {
  for (const RawLine& line : lines) {
    // The UTF-8 reading decides what is a header; under it, a line is one of
    // the file's texts or it is not.
    if (ClassifyLine(line.text, TextEncoding::Utf8).kind == ProfileLine::Kind::Skipped) continue;
    if (!IsValidUtf8(line.text)) return TextEncoding::Gbk;
  }
  return TextEncoding::Utf8;
}

std::string RewriteEntryLine(std::string_view line, const ProfileLine& entry,
                             std::string_view value) {
  std::string out;
  if (entry.hasEquals) {
    out = line.substr(0, static_cast<std::size_t>(entry.value.data() - line.data()));
  } else {
    out = line.substr(
        0, static_cast<std::size_t>(entry.name.data() - line.data()) + entry.name.size());
    out += '=';
  }
  out += value;
  return out;
}

std::string HeaderLine(std::string_view name) {
  std::string out = "[";
  out += name;
  out += ']';
  return out;
}

std::string EntryLine(std::string_view key, std::string_view value) {
  std::string out(key);
  if (!key.empty()) out += '=';
  out += value;
  return out;
}

}  // namespace selkan
