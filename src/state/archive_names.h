// Names of archive entries: decoded to UTF-8 and kept to plain paths inside the folder unpacked into.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taluvin {

// The UTF-8 form of an entry name as an archive stores it. Valid UTF-8 is taken as it is (archives
// that mark their names UTF-8, and those made where names simply are UTF-8). Anything else was
// written in a DOS code page or in Windows-1252: CP437, the code page archives assume, unless the
// name holds a byte CP437 spends on box drawing, Greek or mathematical signs (0xB0 to 0xFF but ß),
// which no file name is made of, while Windows-1252 spends those bytes on accented letters.
std::string decodeEntryName(std::string_view stored);

// The longest path, the deepest nesting and the longest single name an entry may have.
inline constexpr size_t kMaxEntryPathBytes = 1024;
inline constexpr size_t kMaxEntryDepth = 32;
inline constexpr size_t kMaxEntryNameBytes = 255;

// The entry's path relative to the folder it is unpacked into, "/" between its parts, with "\"
// read as a separator and "." and empty parts dropped; nothing when the name is absolute (a
// leading separator or a drive such as "C:"), climbs with "..", holds a control character, or is
// empty or beyond the bounds above.
std::optional<std::string> plainEntryPath(std::string_view utf8Name);

// Whether a link stored with this target, lying at linkPath (a plain entry path), stays below the
// folder the link lies in: relative, no "..", nothing a plain path refuses. Any target that climbs,
// even one that would land inside again, is refused: another link on its way could turn its ".."
// into a step out.
bool linkStaysInside(std::string_view utf8Target);

}  // namespace taluvin
