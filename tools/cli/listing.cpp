#include "tools/cli/listing.h"

#include <algorithm>
#include <array>

#include "model/option_page.h"

namespace selkan::cli {

namespace {

std::string PadRight(const std::string& text, std::size_t width) {
  return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

}  // namespace

std::string ChannelListing(const ChannelTable& table) {
  std::vector<std::array<std::string, 1 + kChannelColumns>> lines;
  lines.push_back({});
  for (int column = 0; column <= kChannelColumns; ++column)
    lines.back()[column] = ChannelColumnTitle(column).english;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    const ChannelRow& row = table[channel - 1];
    if (Cell(row, kColRx).empty()) continue;
    lines.push_back({std::to_string(channel)});
    std::copy(row.begin(), row.end(), lines.back().begin() + 1);
  }
  if (lines.size() == 1) return "No channels in use.\n";

  std::array<std::size_t, 1 + kChannelColumns> widths{};
  for (const auto& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
  }
  std::string out;
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
      // The channel number is right-aligned, the other columns left-aligned.
      if (i == 0) {
        text += std::string(widths[0] - line[0].size(), ' ') + line[0];
      } else {
        text += "  " + PadRight(line[i], widths[i]);
      }
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out += text + "\n";
  }
  return out;
}

std::string ShowListing(const RadioImage& image) {
  std::string out = "Optional features\n";
  const auto options = OptionPageLines(image, Language::English);
  std::size_t width = 0;
  for (const auto& [label, value] : options) width = std::max(width, label.size());
  for (const auto& [label, value] : options) {
    std::string line = "  " + PadRight(label, width) + "  " + value;
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
  out += "\nRadio type index: " + std::to_string(image[offset::kRadioType]) + "\n";
  out += "Band index:       " + std::to_string(image[offset::kBandIndex]) + "\n";
  out += "\nChannels in use\n";
  out += ChannelListing(DecodeChannels(image, Language::English));
  return out;
}

}  // namespace selkan::cli
