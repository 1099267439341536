// The keywords closest to a command word that is none, for the checker's "did you mean".
#pragma once

#include "script/command_entry.h"

#include <string>
#include <string_view>

namespace taluvin {

// The message for a word that is no keyword (UTF-8): the word, then the closest keyword or
// keywords of the table ("mgs=" gives "msg="), a keyword in other letter case, or a keyword run
// together with its first argument ("pausa=100" gives "pausa= 100").
std::string unknownWordMessage(const CommandIndex& commands, std::string_view word);

}  // namespace taluvin
