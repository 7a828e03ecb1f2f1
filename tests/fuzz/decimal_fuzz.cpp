// The decimal reader on any text, against C's strtod.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/decimal.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// strtod also reads "0x1p4", "inf" and "nan"; the program's reader does not.
bool HasFormStrtodAlone(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::string rest = text.substr(i, 3);
  return strncasecmp(rest.c_str(), "0x", 2) == 0 || strncasecmp(rest.c_str(), "inf", 3) == 0 ||
         strncasecmp(rest.c_str(), "nan", 3) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selkan;
  using selkan::fuzz::Check;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = ParseLeadingNumber(text);
  const std::string upToNul = text.c_str();  // strtod stops at the first NUL
  if (!HasFormStrtodAlone(upToNul)) {
    const double expected = std::strtod(upToNul.c_str(), nullptr);
    Check(std::memcmp(&value, &expected, sizeof value) == 0 || (value == 0 && expected == 0),
          "reads as strtod does");
  }
  TruncateToInt32(value), ScaledInteger(value, 100000);  // Never undefined, whatever the value.

  // A code from the input's first bytes reads back from its text ("%3.5f" 10 Hz, "%.1f" 0.1 Hz).
  std::uint32_t raw = 0;
  std::memcpy(&raw, data, std::min<std::size_t>(size, sizeof raw));
  const std::int32_t frequency = static_cast<std::int32_t>(raw % 100000000);
  Check(ScaledInteger(ParseLeadingNumber(FormatDouble("%3.5f", frequency * 0.00001)), 100000) ==
            frequency,
        "a frequency shown reads back");
  const std::int32_t tone = static_cast<std::int32_t>(raw % 100000);
  Check(ScaledInteger(ParseLeadingNumber(FormatDouble("%.1f", tone * 0.1)), 10) == tone,
        "a tone shown reads back");
  return 0;
}
