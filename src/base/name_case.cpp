// Folding Windows-1252 letters to one case, and reading names the file system spells.
#include "base/name_case.h"

#include "base/text.h"

#include <array>
#include <cstdint>

namespace taluvin {

namespace {

constexpr std::array<char, 256> lowerTable() {
  std::array<char, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<char>(b);
  for (int b = 'A'; b <= 'Z'; ++b) table[b] = static_cast<char>(b + 32);
  // À..Þ pair with à..þ, 32 above; × (D7) and ÷ (F7) are no letters.
  for (int b = 0xC0; b <= 0xDE; ++b)
    if (b != 0xD7) table[b] = static_cast<char>(b + 32);
  // Š, Œ and Ž sit 16 below their small forms; Ÿ is ÿ's capital.
  table[0x8A] = static_cast<char>(0x9A);
  table[0x8C] = static_cast<char>(0x9C);
  table[0x8E] = static_cast<char>(0x9E);
  table[0x9F] = static_cast<char>(0xFF);
  return table;
}

constexpr std::array<char, 256> kLower = lowerTable();

bool isAscii(std::string_view bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

char lowerCp1252(char c) { return kLower[static_cast<uint8_t>(c)]; }

std::string foldedName(std::string_view cp1252) {
  std::string folded(cp1252);
  for (char& c : folded) c = lowerCp1252(c);
  return folded;
}

std::string cp1252NameOf(std::string_view onDisk) {
  if (isAscii(onDisk)) return std::string(onDisk);
  // The decoder turns what it cannot read or map into '?': only a name that comes back byte for
  // byte was the UTF-8 of Windows-1252 letters.
  std::string decoded = utf8ToCp1252(onDisk);
  if (cp1252ToUtf8(decoded) == onDisk) return decoded;
  return std::string(onDisk);
}

}  // namespace taluvin
