// The dispatch table: every command of the language, in the order keywords are tested.
#pragma once

#include "script/interpreter.h"

#include <string_view>
#include <vector>

namespace taluvin {

using Handler = Flow (*)(ScriptInterpreter&);

struct CommandEntry {
  std::vector<std::string_view> keywords;  // aliases sharing one handler
  Handler handler;                         // null while the command's subsystem has none
  bool goesOn;                             // testing continues with the entries after this one
};

const std::vector<CommandEntry>& commandTable();

// Index of the entry holding the keyword, or -1. Keywords are unique, so the first exact match in
// test order is the only match and a hash finds it.
int findCommand(std::string_view word);

// Where a jump resumes testing: the last entry, "goto".
int gotoEntry();

}  // namespace taluvin
