// The author's view of the dispatch table, printed by --list-commands.
#pragma once

#include <ostream>

namespace taluvin {

// One line per entry in test order, four tab-separated columns: number, keywords, "(goes on)" or
// empty, and what the arguments hold.
void printCommandTable(std::ostream& out);

// The authors' command reference in Markdown (docs/commands.md is this output): the entries in
// test order, under the heading of their family, each with its keywords, arguments and effect.
void printCommandReference(std::ostream& out);

}  // namespace taluvin
