// The checks of one command line that read its row's argument roles.
#pragma once

#include "script/argument_roles.h"

#include <string>
#include <string_view>

namespace taluvin {

class GameCheck;

// A command line as the checker reads it: a line of the script, or a command carried in one.
struct CommandLine {
  const std::string& file;  // UTF-8, relative to the game folder
  int line;                 // counted from 1
  std::string_view word;
  int entry;                // the row of the word in the command table
  const ArgumentSlots& args;
  int given;                // how many slots the line gives, empty ones included
  const ArgumentRoles& roles;
};

// Reports a text cut at a comma, arguments the command never reads, a number slot given no
// number, a zone too small to click, and the files "loadregs" and "reset objs" read.
void checkCommandArguments(GameCheck& check, const CommandLine& line);

}  // namespace taluvin
