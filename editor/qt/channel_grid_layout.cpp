#include "editor/qt/channel_grid_layout.h"

#include <cstdio>

namespace selkan {

std::string ChannelNumberText(int channel) {
  char text[16];
  std::snprintf(text, sizeof text, "%3d", channel);
  return text;
}

std::array<int, kGridCols> ColumnWidths(int baseTwips) {
  const double base = baseTwips;
  const int half = static_cast<int>(base * 0.5);
  const int frequency = static_cast<int>(base * 1.5);
  const int tone = static_cast<int>(base * 1.4);
  const int word = static_cast<int>(base * 1.1);
  return {half, frequency, frequency, tone, tone, word, word, word};
}

}  // namespace selkan
