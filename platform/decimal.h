#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace selkan {

// Reads a number the way C's atof does: leading white space skipped, the
// longest prefix that forms a decimal number used, 0 when there is none.
// Independent of the locale.
double ParseLeadingNumber(std::string_view text);

// value × factor in exact decimal arithmetic: each operand is first rounded
// to 15 significant digits, the two are multiplied exactly and the product
// is turned back into the nearest double. So 145.0125 × 100000 gives
// exactly 14501250, where a binary multiplication gives 14501249.999999998.
double ScaledProduct(double value, double factor);

// Truncates toward zero into a signed 32-bit value; values beyond the range
// saturate at its ends and NaN gives 0.
std::int32_t TruncateToInt32(double value);

// TruncateToInt32(ScaledProduct(value, factor)): how number texts become
// integer codes (frequencies with factor 100000, CTCSS tones with 10).
std::int32_t ScaledInteger(double value, double factor);

// One double formatted by a printf format, e.g. FormatDouble("%3.5f", 438.1)
// gives "438.10000", always with a decimal point whatever the locale.
std::string FormatDouble(const char* format, double value);
// A number as printed in a locale whose decimal point is localePoint (one
// or more bytes), with a '.' in its place.
std::string WithPlainPoint(std::string text, std::string_view localePoint);

}  // namespace selkan
