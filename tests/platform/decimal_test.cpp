#include "platform/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/sha256.h"

namespace selkan {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// The longest decimal prefix, as atof reads it but not past the text's end; 0 when none starts.
TEST(Decimal, ReadsTheLongestNumberPrefixTruncatesAndFormatsWhole) {
  // clang-format off
  const std::pair<std::string_view, double> cases[] = {
      {"145.125", 145.125}, {" \t\n-3.5MHz", -3.5}, {"+.5", 0.5}, {"5.", 5.0}, {"1,5", 1.0},
      {"12.5.3", 12.5}, {"007", 7.0}, {"1e3", 1000.0}, {"2E-2", 0.02}, {"1.5e+1x", 15.0},
      {"1e", 1.0}, {"1e+", 1.0}, {"1e-x", 1.0}, {"7E", 7.0}, {"1e400", kInf}, {"-1e400", -kInf},
      {"1e99999999999999999999999", kInf}, {std::string_view("1234", 2), 12.0},
      {std::string_view("1.234", 3), 1.2}, {std::string_view("1e23", 3), 100.0}};
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseLeadingNumber(text), value) << text;
  for (const char* text : {"", " ", "None", "无", ".", "-", "+", "-.", "e5", ". 5", "- 5", "0x10",
                           "1e-400", "1e-99999999999999999999999", "0e99999999999999999999999"})
    EXPECT_TRUE(ParseLeadingNumber(text) == 0.0 && !std::signbit(ParseLeadingNumber(text)))
        << '"' << text << '"';  // nothing read is +0, not -0
  // Many digits on both sides of the exponent still come out right.
  const std::string zeros(400, '0');
  EXPECT_EQ(ParseLeadingNumber("0." + zeros + "1e401"), 1.0);
  EXPECT_EQ(ParseLeadingNumber(zeros + "145.125"), 145.125);
  EXPECT_EQ(ParseLeadingNumber("1" + zeros + "e-400"), 1.0);

  // Truncated toward zero, saturated at the limits.
  // clang-format off
  const std::pair<double, std::int32_t> truncated[] = {
      {2.9, 2}, {-2.9, -2}, {0.999999, 0}, {-0.0, 0}, {kNaN, 0},
      {2147483646.9, kMax - 1}, {2147483647.9, kMax}, {3e9, kMax}, {kInf, kMax},
      {-2147483647.9, kMin + 1}, {-2147483648.9, kMin}, {-3e9, kMin}, {-kInf, kMin}};
  // clang-format on
  for (const auto& [value, result] : truncated) EXPECT_EQ(TruncateToInt32(value), result) << value;

  // Texts as long as the first try's buffer, or longer, come out whole.
  EXPECT_EQ(FormatDouble("%3.5f", 438.1), "438.10000");
  char expected[400];
  for (const double value : {1e61, 2e61, 1e62, 1e300}) {
    std::snprintf(expected, sizeof expected, "%3.1f", value);
    EXPECT_EQ(FormatDouble("%3.1f", value), expected);
  }
  // A locale's decimal comma, or a point of two bytes (U+066B), becomes a point.
  const std::string arabic = "\xD9\xAB";
  EXPECT_EQ(WithPlainPoint("438,10000", ",") + WithPlainPoint("-1" + arabic + "5", arabic),
            "438.10000-1.5");
  EXPECT_EQ(WithPlainPoint("12", ",") + WithPlainPoint("1,5", ""), "121,5");
}

// Digests of one block, of two, and of whole blocks then the rest, cut to the digits asked.
TEST(Sha256Hex, KnownDigestsCutShort) {
  const auto hex = [](const std::string& text, std::size_t digits) {
    return Sha256Hex({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, digits);
  };
  EXPECT_EQ(hex("", 99), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(hex("abc", 64), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 12), "248d6a61d206");
  EXPECT_EQ(hex(std::string(1000, 'a'), 16), "41edece42d63e8d9");
}

}  // namespace
}  // namespace selkan
