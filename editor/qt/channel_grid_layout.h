#pragma once

#include <array>
#include <string>

#include "editor/channel_columns.h"
#include "platform/language.h"

namespace selkan {

// The channel grid of a view: 200 rows (the title row, then channels 1 to
// 199) by 8 columns (the channel number, then the seven channel fields).
inline constexpr int kGridRows = 200;
inline constexpr int kGridCols = 8;

// Text colours as 0x00BBGGRR: the fixed cells blue, the view's title red.
inline constexpr unsigned kFixedCellColor = 0x00F03200;  // RGB(0, 50, 240)
inline constexpr unsigned kTitleColor = 0x000A0AFA;      // RGB(250, 10, 10)

// Channel number as the grid shows it: "%3d", so channel 7 is "  7".
std::string ChannelNumberText(int channel);

// Column widths in twips from the base width (column 0 as the grid first
// reports it): 0.5, 1.5, 1.5, 1.4, 1.4, 1.1, 1.1, 1.1 times the base, each
// product truncated toward zero.
std::array<int, kGridCols> ColumnWidths(int baseTwips);

}  // namespace selkan
