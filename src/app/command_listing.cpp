// Prints the dispatch table as authors read it.
#include "app/command_listing.h"

#include "app/command_table.h"

namespace taluvin {

void printCommandTable(std::ostream& out) {
  // Every line has all four columns, the third empty where the line does not go on, so a column
  // keeps its place for tools that cut the listing at tabs.
  const auto& table = commandTable();
  for (size_t i = 0; i < table.size(); ++i) {
    const auto& row = table[i];
    out << (i + 1) << '\t';
    for (size_t k = 0; k < row.keywords.size(); ++k) out << (k ? " " : "") << row.keywords[k];
    out << '\t' << (row.goesOn ? "(goes on)" : "");
    out << '\t' << row.arguments << '\n';
  }
}

}  // namespace taluvin
