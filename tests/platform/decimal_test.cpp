#include "platform/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace selkan {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ParseLeadingNumber, ReadsTheLongestNumberPrefixLikeAtof) {
  EXPECT_EQ(ParseLeadingNumber("145.125"), 145.125);
  EXPECT_EQ(ParseLeadingNumber(" \t\n-3.5MHz"), -3.5);
  EXPECT_EQ(ParseLeadingNumber("+.5"), 0.5);
  EXPECT_EQ(ParseLeadingNumber("5."), 5.0);
  EXPECT_EQ(ParseLeadingNumber("1,5"), 1.0);
  EXPECT_EQ(ParseLeadingNumber("12.5.3"), 12.5);
  EXPECT_EQ(ParseLeadingNumber("007"), 7.0);
  EXPECT_EQ(ParseLeadingNumber("0x10"), 0.0);  // decimal only: stops at the x
}

TEST(ParseLeadingNumber, GivesZeroWhenNoNumberStarts) {
  for (const char* text : {"", " ", "None", "无", ".", "-", "+", "-.", "e5", ". 5", "- 5"}) {
    EXPECT_EQ(ParseLeadingNumber(text), 0.0) << '"' << text << '"';
  }
}

TEST(ParseLeadingNumber, UsesTheExponentOnlyWhenDigitsFollowIt) {
  EXPECT_EQ(ParseLeadingNumber("1e3"), 1000.0);
  EXPECT_EQ(ParseLeadingNumber("2E-2"), 0.02);
  EXPECT_EQ(ParseLeadingNumber("1.5e+1x"), 15.0);
  EXPECT_EQ(ParseLeadingNumber("1e"), 1.0);
  EXPECT_EQ(ParseLeadingNumber("1e+"), 1.0);
  EXPECT_EQ(ParseLeadingNumber("1e-x"), 1.0);
  EXPECT_EQ(ParseLeadingNumber("7E"), 7.0);
}

TEST(ParseLeadingNumber, HandlesOverflowUnderflowAndLongTexts) {
  EXPECT_EQ(ParseLeadingNumber("1e400"), kInf);
  EXPECT_EQ(ParseLeadingNumber("-1e400"), -kInf);
  EXPECT_EQ(ParseLeadingNumber("1e-400"), 0.0);
  EXPECT_EQ(ParseLeadingNumber("1e99999999999999999999999"), kInf);
  EXPECT_EQ(ParseLeadingNumber("1e-99999999999999999999999"), 0.0);
  EXPECT_EQ(ParseLeadingNumber("0e99999999999999999999999"), 0.0);
  // Many digits on both sides of the exponent still come out right.
  EXPECT_EQ(ParseLeadingNumber("0." + std::string(400, '0') + "1e401"), 1.0);
  EXPECT_EQ(ParseLeadingNumber(std::string(400, '0') + "145.125"), 145.125);
  EXPECT_EQ(ParseLeadingNumber("1" + std::string(400, '0') + "e-400"), 1.0);
}

// The parser must give the nearest double, as the C library does.
TEST(ParseLeadingNumber, AgreesWithStrtodOnDecimalTexts) {
  char text[64];
  for (long i = 0; i < 20000; ++i) {
    const long f = 13600000 + i * 1337;
    std::snprintf(text, sizeof text, "%ld.%05ld", f / 100000, f % 100000);
    ASSERT_EQ(ParseLeadingNumber(text), std::strtod(text, nullptr)) << text;
  }
  for (const char* t : {"0.1", "0.30000000000000004", "2.2250738585072014e-308", "4.9e-324",
                        "1.7976931348623157e308", "9007199254740993", "123456789012345678901"}) {
    EXPECT_EQ(ParseLeadingNumber(t), std::strtod(t, nullptr)) << t;
  }
}

TEST(ScaledProduct, IsExactWhereBinaryMultiplicationIsNot) {
  const double value = 145.0125;
  ASSERT_NE(std::trunc(value * 100000), 14501250.0);  // the binary product falls short
  EXPECT_EQ(ScaledProduct(value, 100000), 14501250.0);
  EXPECT_EQ(ScaledProduct(0.1 + 0.2, 10), 3.0);  // operands are taken to 15 digits
  EXPECT_EQ(ScaledProduct(67.0, 10), 670.0);
  EXPECT_EQ(ScaledProduct(254.1, 10), 2541.0);
  EXPECT_EQ(ScaledProduct(1.0 / 3.0, 3), 0.999999999999999);
}

TEST(ScaledProduct, HandlesSignsAndZero) {
  EXPECT_EQ(ScaledProduct(-145.0125, 100000), -14501250.0);
  EXPECT_EQ(ScaledProduct(145.0125, -100000), -14501250.0);
  EXPECT_EQ(ScaledProduct(-2.5, -4), 10.0);
  EXPECT_EQ(ScaledProduct(0.0, 100000), 0.0);
  EXPECT_TRUE(std::signbit(ScaledProduct(-0.0, 10)));
  EXPECT_EQ(ScaledProduct(4.9e-324, 1e-300), 0.0);
}

TEST(ScaledProduct, HugeAndNonFiniteValuesGiveSaneResults) {
  EXPECT_EQ(ScaledProduct(1e300, 100000), 1e305);
  EXPECT_EQ(ScaledProduct(1e300, 1e300), kInf);
  EXPECT_EQ(ScaledProduct(-1e300, 1e300), -kInf);
  EXPECT_EQ(ScaledProduct(1.7976931348623157e308, 1), kInf);  // 15 digits round it up
  EXPECT_TRUE(std::isnan(ScaledProduct(kNaN, 10)));
  EXPECT_TRUE(std::isnan(ScaledProduct(10, kNaN)));
  EXPECT_EQ(ScaledProduct(kInf, 10), kInf);
  EXPECT_EQ(ScaledProduct(-kInf, 10), -kInf);
  EXPECT_TRUE(std::isnan(ScaledProduct(kInf, 0)));
}

TEST(TruncateToInt32, TruncatesTowardZero) {
  EXPECT_EQ(TruncateToInt32(2.9), 2);
  EXPECT_EQ(TruncateToInt32(-2.9), -2);
  EXPECT_EQ(TruncateToInt32(0.999999), 0);
  EXPECT_EQ(TruncateToInt32(-0.0), 0);
}

TEST(TruncateToInt32, SaturatesAtTheEndsAndMapsNaNToZero) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(TruncateToInt32(2147483646.9), kMax - 1);
  EXPECT_EQ(TruncateToInt32(2147483647.9), kMax);
  EXPECT_EQ(TruncateToInt32(3e9), kMax);
  EXPECT_EQ(TruncateToInt32(kInf), kMax);
  EXPECT_EQ(TruncateToInt32(-2147483648.9), kMin);
  EXPECT_EQ(TruncateToInt32(-2147483647.9), kMin + 1);
  EXPECT_EQ(TruncateToInt32(-3e9), kMin);
  EXPECT_EQ(TruncateToInt32(-kInf), kMin);
  EXPECT_EQ(TruncateToInt32(kNaN), 0);
}

// Frequencies on the 5 kHz and 6.25 kHz rasters whose binary product
// truncates one 10 Hz unit low.
TEST(ScaledInteger, GetsRasterFrequenciesRightThatBinaryArithmeticGetsWrong) {
  const struct {
    const char* text;
    std::int32_t tenHertz;
  } cases[] = {{"145.0125", 14501250},  {"136.01250", 13601250}, {"136.20000", 13620000},
               {"137.73125", 13773125}, {"139.48000", 13948000}, {"141.20000", 14120000},
               {"144.66875", 14466875}};
  for (const auto& c : cases) {
    const double value = ParseLeadingNumber(c.text);
    ASSERT_EQ(static_cast<std::int32_t>(value * 100000), c.tenHertz - 1) << c.text;
    EXPECT_EQ(ScaledInteger(value, 100000), c.tenHertz) << c.text;
  }
}

TEST(ScaledInteger, SaturatesOutOfRangeProducts) {
  EXPECT_EQ(ScaledInteger(1e300, 100000), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ScaledInteger(-1e300, 100000), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ScaledInteger(kNaN, 10), 0);
  EXPECT_EQ(ScaledInteger(-67.05, 10), -670);
}

TEST(FormatDouble, FormatsLikePrintf) {
  EXPECT_EQ(FormatDouble("%3.5f", 438.1), "438.10000");
  EXPECT_EQ(FormatDouble("%3.5f", 14512500 * 0.00001), "145.12500");
  EXPECT_EQ(FormatDouble("%3.1f", 67.0), "67.0");
}

TEST(FormatDouble, LongOutputIsNotCut) {
  const std::string text = FormatDouble("%3.1f", 1e300);
  EXPECT_EQ(text.size(), 303u);
  EXPECT_EQ(text.substr(0, 2), "10");
  EXPECT_EQ(text.substr(text.size() - 2), ".0");
}

}  // namespace
}  // namespace selkan
