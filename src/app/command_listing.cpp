// Prints the dispatch table as authors read it.
#include "app/command_listing.h"

#include "app/command_table.h"

namespace taluvin {

void printCommandTable(std::ostream& out) {
  const auto& table = commandTable();
  for (size_t i = 0; i < table.size(); ++i) {
    const auto& row = table[i];
    out << (i + 1) << '\t';
    for (size_t k = 0; k < row.keywords.size(); ++k) out << (k ? " " : "") << row.keywords[k];
    if (row.goesOn) out << "\t(goes on)";
    if (!row.handler) out << "\t(not available yet)";
    out << '\n';
  }
}

}  // namespace taluvin
