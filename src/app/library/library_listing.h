// --list-games: the games library as text, one game a line.
#pragma once

#include "app/library/games_library.h"

#include <ostream>
#include <string>

namespace taluvin {

// "2024-05-01 14:03" in local time; "never" for 0.
std::string playedWhen(long long secondsSince1970);

// Prints a header and a line per game of the games folder: name, last played, place, folder, in
// aligned columns. Returns the exit code: 0, or 2 when there is no games folder.
int printGameList(std::ostream& out, std::ostream& err);

}  // namespace taluvin
