#include "platform/decimal.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace selkan {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this are far outside the range of a double; clamping them
// keeps the arithmetic below free of overflow.
constexpr long long kExponentClamp = 1'000'000'000LL;

// Turns "digits" × 10^exponent into the nearest double. The text holds no
// decimal point, so strtod reads it the same in every locale.
double DigitsToDouble(bool negative, const std::string& digits, long long exponent) {
  if (digits.empty()) return negative ? -0.0 : 0.0;
  std::string text;
  text.reserve(digits.size() + 24);
  if (negative) text += '-';
  text += digits;
  text += 'e';
  text += std::to_string(exponent);
  return std::strtod(text.c_str(), nullptr);
}

// A finite double rounded to 15 significant digits: value = mantissa ×
// 10^exponent with |mantissa| < 10^15.
struct Decimal15 {
  bool negative = false;
  std::int64_t mantissa = 0;
  int exponent = 0;
};

Decimal15 RoundTo15Digits(double value) {
  // "-d.dddddddddddddde+XXX": always 15 digits, whatever character the
  // locale uses as the decimal point.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  Decimal15 d;
  const char* p = buffer;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; *p != '\0' && *p != 'e'; ++p) {
    if (IsDigit(*p)) d.mantissa = d.mantissa * 10 + (*p - '0');
  }
  const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  d.exponent = exponent - 14;
  return d;
}

std::string ToDigits(unsigned __int128 value) {
  if (value == 0) return "0";
  std::string digits;
  while (value != 0) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  }
  return digits;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string digits;  // significant digits without leading zeros
  long long fractionDigits = 0;
  bool anyDigit = false;
  for (; i < n && IsDigit(text[i]); ++i) {
    anyDigit = true;
    if (!digits.empty() || text[i] != '0') digits += text[i];
  }
  if (i < n && text[i] == '.') {
    ++i;
    for (; i < n && IsDigit(text[i]); ++i) {
      anyDigit = true;
      if (!digits.empty() || text[i] != '0') digits += text[i];
      if (fractionDigits < kExponentClamp) ++fractionDigits;
    }
  }
  if (!anyDigit) return 0.0;

  // The exponent counts only when at least one digit follows "e" and its sign;
  // otherwise "1e" and "1e+" read as 1.
  long long exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) {
      negativeExponent = text[j] == '-';
      ++j;
    }
    if (j < n && IsDigit(text[j])) {
      for (; j < n && IsDigit(text[j]); ++j) {
        if (exponent < kExponentClamp) exponent = exponent * 10 + (text[j] - '0');
      }
      if (negativeExponent) exponent = -exponent;
    }
  }
  return DigitsToDouble(negative, digits, exponent - fractionDigits);
}

double ScaledProduct(double value, double factor) {
  if (!std::isfinite(value) || !std::isfinite(factor)) return value * factor;
  const Decimal15 a = RoundTo15Digits(value);
  const Decimal15 b = RoundTo15Digits(factor);
  // Both mantissas are below 10^15, so the product stays below 10^30 and
  // fits 128 bits exactly.
  const unsigned __int128 product =
      static_cast<unsigned __int128>(a.mantissa) * static_cast<unsigned __int128>(b.mantissa);
  const bool negative = a.negative != b.negative;
  if (product == 0) return negative ? -0.0 : 0.0;
  return DigitsToDouble(negative, ToDigits(product),
                        static_cast<long long>(a.exponent) + b.exponent);
}

std::int32_t TruncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  const double t = std::trunc(value);
  if (t >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (t <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(t);
}

std::int32_t ScaledInteger(double value, double factor) {
  return TruncateToInt32(ScaledProduct(value, factor));
}

std::string FormatDouble(const char* format, double value) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  if (length < 0) return {};
  std::string text;
  if (static_cast<std::size_t>(length) < sizeof buffer) {
    text.assign(buffer, static_cast<std::size_t>(length));
  } else {
    text.assign(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.resize(static_cast<std::size_t>(length));
  }
  // Texts of this program always use a point, whatever the process locale.
  return WithPlainPoint(std::move(text), std::localeconv()->decimal_point);
}

std::string WithPlainPoint(std::string text, std::string_view localePoint) {
  if (localePoint.empty() || localePoint == ".") return text;
  const std::size_t at = text.find(localePoint);
  if (at == std::string::npos) return text;
  // Rebuilt rather than replace()d: GCC 12 warns falsely about replace here.
  return text.substr(0, at) + '.' + text.substr(at + localePoint.size());
}

}  // namespace selkan
