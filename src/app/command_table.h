// The dispatch table: every command of the language, in the order keywords are tested. The one
// file that knows every family of commands.
#pragma once

#include "script/command_entry.h"

namespace taluvin {

const CommandIndex& commandTable();

}  // namespace taluvin
