#include "editor/qt/twips.h"

#include <cstdint>

namespace selkan {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero; c > 0.
int ScaleRounded(int a, int b, int c) {
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

int PixelsToTwips(int pixels, int dotsPerInch) {
  if (dotsPerInch <= 0) dotsPerInch = 96;
  return ScaleRounded(pixels, kTwipsPerInch, dotsPerInch);
}

int TwipsToPixels(int twips, int dotsPerInch) {
  if (dotsPerInch <= 0) dotsPerInch = 96;
  return ScaleRounded(twips, dotsPerInch, kTwipsPerInch);
}

}  // namespace selkan
