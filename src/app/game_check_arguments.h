// What the arguments of each command name (scripts, labels, files, registers, colours), for the checker.
#pragma once

#include "script/command_entry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taluvin {

enum class ArgumentRole : uint8_t {
  Script,       // a script name (aliases, "&" parameters and web addresses allowed)
  Vocabulary,   // a script read as "phrase | script" lines
  Label,        // a label name without ":"
  GosubTarget,  // ":" + label, or a script name
  Picture,
  TextLikePicture,  // a text shown where a picture was meant: a picture's extension in capitals
  Sound,
  Music,
  Font,         // a font file name without ".ttf"
  Register,     // a register number
  Colour,       // RRGGBB
  Command,      // a carried command word; the slots after it are its arguments
  TextLiteral   // the opening of a text literal that may run over the following lines
};

struct ArgumentUse {
  int slot;
  ArgumentRole role;
};

// Slots 1 to 9 as the line splits them; slot 0 is unused.
using ArgumentSlots = std::array<std::string, 10>;

// The roles of the arguments of a command line whose word is a keyword of the table. The map is
// keyed by each row's first keyword and looked up through the table, so every alias of a row
// names what its row names; what the slots of some commands name depends on their other slots.
std::vector<ArgumentUse> argumentUses(const CommandIndex& commands, std::string_view word, const ArgumentSlots& args);

// The first keywords the map describes, so a test can tell that each still heads a row.
std::vector<std::string_view> describedRows();

}  // namespace taluvin
