// The author's view of the dispatch table, printed by --list-commands.
#pragma once

#include <ostream>

namespace taluvin {

// One line per entry in test order: number, keywords, and whether the line goes on.
void printCommandTable(std::ostream& out);

}  // namespace taluvin
