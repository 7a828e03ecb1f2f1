#pragma once

#include <array>

namespace selkan {

// Rectangles of the channel view in pixels.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

struct FormLayout {
  Box title;
  Box grid;
};

// The form at a view size: at the form's own size (or smaller) the title
// and the grid sit where the form puts them; a larger view gives the grid
// all the extra width and height, and the title keeps its size and moves
// by half the extra width, so that it stays over the middle of the grid.
FormLayout LayOutForm(const FormLayout& form, int formWidth, int formHeight, int viewWidth,
                      int viewHeight);

// Column widths for a grid wider than the form's: each width of the form
// times gridWidth / formGridWidth, truncated, so that the columns keep
// their ratios. At the form's width they are the form's widths.
template <std::size_t N>
std::array<int, N> ScaleColumnWidths(const std::array<int, N>& widths, int formGridWidth,
                                     int gridWidth) {
  std::array<int, N> scaled = widths;
  if (formGridWidth <= 0 || gridWidth <= formGridWidth) return scaled;
  for (std::size_t i = 0; i < N; ++i)
    scaled[i] = static_cast<int>(static_cast<long long>(widths[i]) * gridWidth / formGridWidth);
  return scaled;
}

}  // namespace selkan
