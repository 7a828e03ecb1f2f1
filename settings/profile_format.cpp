#include "settings/profile_format.h"

namespace selkan {

std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  return lines;
}

ProfileLine ClassifyLine(std::string_view line, TextEncoding encoding) {
  line = TrimBlanks(line);
  ProfileLine result;
  if (line.size() >= 2 && line.front() == '[' && EndsWithChar(line, ']', encoding)) {
    result.kind = ProfileLine::Kind::Header;
    result.name = line.substr(1, line.size() - 2);
    return result;
  }
  const std::size_t equals = line.find('=');
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  const std::string_view value =
      equals == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(equals + 1));
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
  result.value = value;
  return result;
}

void AppendHeaderLine(std::string& out, std::string_view name) {
  out += '[';
  out += name;
  out += "]\r\n";
}

void AppendEntryLine(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  if (!key.empty()) out += '=';
  out += value;
  out += "\r\n";
}

}  // namespace selkan
