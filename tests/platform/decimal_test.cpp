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
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Reads the longest decimal number prefix like atof, the exponent only when
// digits follow it; 0 when no number starts.
TEST(ParseLeadingNumber, ReadsTheLongestNumberPrefix) {
  const std::pair<const char*, double> cases[] = {{"145.125", 145.125},
                                                  {" \t\n-3.5MHz", -3.5},
                                                  {"+.5", 0.5},
                                                  {"5.", 5.0},
                                                  {"1,5", 1.0},
                                                  {"12.5.3", 12.5},
                                                  {"007", 7.0},
                                                  {"1e3", 1000.0},
                                                  {"2E-2", 0.02},
                                                  {"1.5e+1x", 15.0},
                                                  {"1e", 1.0},
                                                  {"1e+", 1.0},
                                                  {"1e-x", 1.0},
                                                  {"7E", 7.0},
                                                  {"1e400", kInf},
                                                  {"-1e400", -kInf},
                                                  {"1e99999999999999999999999", kInf}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseLeadingNumber(text), value) << text;
  for (const char* text : {"", " ", "None", "无", ".", "-", "+", "-.", "e5", ". 5", "- 5", "0x10",
                           "1e-400", "1e-99999999999999999999999", "0e99999999999999999999999"}) {
    EXPECT_EQ(ParseLeadingNumber(text), 0.0) << '"' << text << '"';
  }
  // Many digits on both sides of the exponent still come out right.
  const std::string zeros(400, '0');
  EXPECT_EQ(ParseLeadingNumber("0." + zeros + "1e401"), 1.0);
  EXPECT_EQ(ParseLeadingNumber(zeros + "145.125"), 145.125);
  EXPECT_EQ(ParseLeadingNumber("1" + zeros + "e-400"), 1.0);
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

// Operands are taken to 15 significant digits, so the product is exact where
// binary multiplication is not.
TEST(ScaledProduct, IsExactSignedAndSaneAtTheEnds) {
  ASSERT_NE(std::trunc(145.0125 * 100000), 14501250.0);
  // clang-format off
  const struct {
    double value, factor, product;
  } cases[] = {
      {145.0125, 100000, 14501250.0}, {0.1 + 0.2, 10, 3.0}, {67.0, 10, 670.0},
      {254.1, 10, 2541.0}, {1.0 / 3.0, 3, 0.999999999999999}, {-145.0125, 100000, -14501250.0},
      {145.0125, -100000, -14501250.0}, {-2.5, -4, 10.0}, {0.0, 100000, 0.0},
      {4.9e-324, 1e-300, 0.0}, {1e300, 100000, 1e305}, {1e300, 1e300, kInf},
      {-1e300, 1e300, -kInf}, {1.7976931348623157e308, 1, kInf}, {kInf, 10, kInf},
      {-kInf, 10, -kInf}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(ScaledProduct(c.value, c.factor), c.product) << c.value;
  EXPECT_TRUE(std::signbit(ScaledProduct(-0.0, 10)));
  EXPECT_TRUE(std::isnan(ScaledProduct(kNaN, 10)));
  EXPECT_TRUE(std::isnan(ScaledProduct(10, kNaN)));
  EXPECT_TRUE(std::isnan(ScaledProduct(kInf, 0)));
}

TEST(TruncateToInt32, TruncatesTowardZeroAndSaturates) {
  // clang-format off
  const std::pair<double, std::int32_t> cases[] = {
      {2.9, 2}, {-2.9, -2}, {0.999999, 0}, {-0.0, 0}, {kNaN, 0},
      {2147483646.9, kMax - 1}, {2147483647.9, kMax}, {3e9, kMax}, {kInf, kMax},
      {-2147483647.9, kMin + 1}, {-2147483648.9, kMin}, {-3e9, kMin}, {-kInf, kMin}};
  // clang-format on
  for (const auto& [value, result] : cases) EXPECT_EQ(TruncateToInt32(value), result) << value;
}

// Raster frequencies whose binary product truncates one 10 Hz unit low.
TEST(ScaledInteger, GetsRasterFrequenciesRightAndSaturates) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"145.0125", 14501250},  {"136.01250", 13601250}, {"136.20000", 13620000},
      {"137.73125", 13773125}, {"139.48000", 13948000}, {"141.20000", 14120000},
      {"144.66875", 14466875}};
  for (const auto& [text, tenHertz] : cases) {
    const double value = ParseLeadingNumber(text);
    ASSERT_EQ(static_cast<std::int32_t>(value * 100000), tenHertz - 1) << text;
    EXPECT_EQ(ScaledInteger(value, 100000), tenHertz) << text;
  }
  EXPECT_EQ(ScaledInteger(1e300, 100000), kMax);
  EXPECT_EQ(ScaledInteger(-1e300, 100000), kMin);
  EXPECT_EQ(ScaledInteger(kNaN, 10), 0);
  EXPECT_EQ(ScaledInteger(-67.05, 10), -670);
}

TEST(FormatDouble, FormatsLikePrintfWithoutCutting) {
  EXPECT_EQ(FormatDouble("%3.5f", 438.1), "438.10000");
  EXPECT_EQ(FormatDouble("%3.5f", 14512500 * 0.00001), "145.12500");
  EXPECT_EQ(FormatDouble("%3.1f", 67.0), "67.0");
  // Texts around the size of the first try's buffer come out whole.
  char expected[400];
  for (const double value : {1e61, 2e61, 1e62, 1e300}) {
    std::snprintf(expected, sizeof expected, "%3.1f", value);
    EXPECT_EQ(FormatDouble("%3.1f", value), expected);
  }
}

}  // namespace
}  // namespace selkan
