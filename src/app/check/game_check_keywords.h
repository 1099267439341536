// The names closest to a word that names nothing, for the checker's "did you mean".
#pragma once

#include "script/command_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace taluvin {

// Edits (insert, delete, replace, or swap two neighbours) turning a into b.
size_t editDistance(std::string_view a, std::string_view b);
// "a", "a or b", "a, b or c".
std::string orList(const std::vector<std::string>& words);

// The message for a word that is no keyword (UTF-8): the word, then the closest keyword or
// keywords of the table ("mgs=" gives "msg="), a keyword in other letter case, or a keyword run
// together with its first argument ("pausa=100" gives "pausa= 100").
std::string unknownWordMessage(const CommandIndex& commands, std::string_view word);

}  // namespace taluvin
