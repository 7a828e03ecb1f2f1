#pragma once

namespace selkan {

// Grid sizes and positions are in twips, 1440 to the inch. Conversions use
// the widget's logical resolution and round to the nearest unit, so that at
// 96 dpi (15 twips to the pixel) both ways are exact.
inline constexpr int kTwipsPerInch = 1440;

int PixelsToTwips(int pixels, int dotsPerInch);
int TwipsToPixels(int twips, int dotsPerInch);

}  // namespace selkan
