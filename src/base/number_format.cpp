// Decimal number forms: the general form of "reg:" and the grouped form of page lines.
#include "base/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace taluvin {

namespace {

constexpr int kSignificantDigits = 15;

std::string stripTrailingZeros(std::string digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return digits;
}

}  // namespace

std::string formatDecimal(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  // "%.14e" gives exactly the 15 significant digits, rounded, and the decimal exponent.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  const std::string text(buffer);
  const auto e = text.find('e');
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  const int exponent = std::atoi(text.c_str() + e + 1);
  digits = stripTrailingZeros(digits);

  std::string out = value < 0 ? "-" : "";
  if (exponent >= kSignificantDigits || std::fabs(value) < 0.00001) {
    out += digits[0];
    if (digits.size() > 1) out += kDecimalSeparator + digits.substr(1);
    out += 'E';
    out += std::to_string(exponent);
    return out;
  }
  if (exponent < 0) {
    out += "0";
    out += kDecimalSeparator;
    out += std::string(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const auto whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole) {
    out += digits + std::string(whole - digits.size(), '0');
  } else {
    out += digits.substr(0, whole);
    out += kDecimalSeparator;
    out += digits.substr(whole);
  }
  return out;
}

std::optional<double> parseDecimal(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  // Rebuilt in the C locale's form so strtod reads it whatever the process locale is.
  std::string plain;
  size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
  size_t digits = 0;
  while (i < end && text[i] >= '0' && text[i] <= '9') plain += text[i++], ++digits;
  if (i < end && text[i] == kDecimalSeparator) {
    plain += '.';
    ++i;
    while (i < end && text[i] >= '0' && text[i] <= '9') plain += text[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    size_t exponentDigits = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') plain += text[i++], ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != end) return std::nullopt;
  const double value = std::strtod(plain.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::string> formatGroupedNumber(const std::string& text) {
  auto value = parseDecimal(text);
  if (!value) return std::nullopt;
  // Five decimals at most, rounded; then the zeros the pattern's optional digits would not show.
  std::string fixed(400, '\0');
  const int length = std::snprintf(fixed.data(), fixed.size(), "%.5f", std::fabs(*value));
  fixed.resize(static_cast<size_t>(length));
  const auto point = fixed.find('.');
  const std::string whole = fixed.substr(0, point);
  const std::string fraction = stripTrailingZeros(fixed.substr(point + 1));

  std::string out;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) out += kThousandsSeparator;
    out += whole[i];
  }
  if (!fraction.empty()) {
    out += kDecimalSeparator;
    out += fraction;
  }
  const bool zero = whole == "0" && fraction.empty();
  if (*value < 0 && !zero) out.insert(out.begin(), '-');
  return out;
}

}  // namespace taluvin
