// Integer conversion and the run-abort helpers it relies on.
#include "base/numbers.h"

#include "base/run_abort.h"

#include <charconv>
#include <cstdio>

namespace taluvin {

void abortNotAnInteger(const std::string& text) {
  throw RunAbort("'" + text + "' is not a valid integer value");
}

void abortIndexOutOfBounds(long long index) {
  throw RunAbort("List index out of bounds (" + std::to_string(index) + ")");
}

std::optional<int32_t> parseInt(std::string_view text) {
  // Nearly every number a script holds is a few plain digits; nine of them always fit.
  if (!text.empty() && text.size() <= 9) {
    uint32_t plain = 0;
    size_t k = 0;
    for (; k < text.size(); ++k) {
      const unsigned digit = static_cast<unsigned char>(text[k]) - '0';
      if (digit > 9) break;
      plain = plain * 10 + digit;
    }
    if (k == text.size()) return static_cast<int32_t>(plain);
  }
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) {
    // Hexadecimal spans the full 32 bits: $FFFFFFFF is -1.
    auto bits = static_cast<uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
  }
  if (negative) {
    if (value > 2147483648ull) return std::nullopt;
    return static_cast<int32_t>(-static_cast<int64_t>(value));
  }
  if (value > 2147483647ull) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t toIntOrAbort(std::string_view text) {
  auto value = parseInt(text);
  if (!value) abortNotAnInteger(std::string(text));
  return *value;
}

std::string intToText(long long value) { return std::to_string(value); }

void assignIntText(std::string& out, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.assign(digits, static_cast<size_t>(end - digits));
}

}  // namespace taluvin
