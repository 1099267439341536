// Integer conversion with the exact syntax scripts and settings files are written in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taluvin {

// Optional leading blanks, an optional sign, then decimal digits or hexadecimal digits after
// "$", "x" or "0x"; 32-bit range; nothing may follow the digits.
std::optional<int32_t> parseInt(std::string_view text);

// The conversion commands use when their table names no fallback: failure aborts the run.
int32_t toIntOrAbort(std::string_view text);

// Reading a number or using a default, the ways the commands' tables name them; every command
// reads its numbers through one of these three, so a default means the same thing everywhere.
// Text that is no number (an empty text included) gives the fallback.
inline int32_t toIntOr(std::string_view text, int32_t fallback) {
  auto value = parseInt(text);
  return value ? *value : fallback;
}
// An empty text gives whenEmpty, other text that is no number whenBad.
inline int32_t numberOr(std::string_view text, int32_t whenEmpty, int32_t whenBad) {
  return text.empty() ? whenEmpty : toIntOr(text, whenBad);
}
// An empty text gives whenEmpty; other text that is no number aborts the run.
inline int32_t numberOrAbort(std::string_view text, int32_t whenEmpty) {
  return text.empty() ? whenEmpty : toIntOrAbort(text);
}

std::string intToText(long long value);
// The same text written over out, which keeps its buffer: a register rewritten on every step of a
// loop allocates nothing.
void assignIntText(std::string& out, long long value);

// 32-bit wrap-around arithmetic, as the registers compute.
inline int32_t wrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t wrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t wrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

}  // namespace taluvin
