// Letter case in file names, ignored as the file systems the games were written on ignored it.
#pragma once

#include <string>
#include <string_view>

namespace taluvin {

// The lower-case form of a Windows-1252 letter (A-Z, À-Þ but ×, and Š, Œ, Ž, Ÿ); any other byte
// as it is.
char lowerCp1252(char c);

// The name with every letter lowered: names that differ only in letter case fold alike.
std::string foldedName(std::string_view cp1252);

// The Windows-1252 text a file name on disk spells. Names written here are UTF-8; names unpacked
// from an archive made elsewhere may be Windows-1252 bytes. Valid UTF-8 whose letters all exist in
// Windows-1252 is decoded; anything else already is Windows-1252.
std::string cp1252NameOf(std::string_view onDisk);

}  // namespace taluvin
