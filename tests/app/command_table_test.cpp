// The dispatch table's shape: the order and keywords scripts depend on, and its listing for authors.
#include "app/command_listing.h"
#include "app/command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

using namespace taluvin;

TEST(CommandTable, HoldsEveryKeywordOnceInTestOrder) {
  const auto& table = commandTable().entries();
  ASSERT_EQ(table.size(), 158u);
  std::set<std::string_view> seen;
  size_t keywords = 0;
  for (const auto& row : table) {
    for (auto word : row.keywords) {
      EXPECT_TRUE(seen.insert(word).second) << word;
      ++keywords;
    }
  }
  EXPECT_EQ(keywords, 253u);
  EXPECT_EQ(table.front().keywords.front(), "fim");
  EXPECT_EQ(table.back().keywords.front(), "goto");
  EXPECT_EQ(commandTable().gotoEntry(), 157);
  EXPECT_LT(commandTable().find("ifdir="), commandTable().find("lnkfnc="));
  EXPECT_LT(commandTable().find("gosub"), commandTable().find("goto"));
  EXPECT_EQ(commandTable().find("Fim"), -1);  // keywords are compared with their case
  EXPECT_EQ(commandTable().find("pausa=100"), -1);
}

// Whether each row goes on is checked by calling its handler (the coverage test); "ifdir=" has no
// handler yet, so the row it will hand its line to is pinned here.
TEST(CommandTable, ExitLinkHandsItsLineOnToThePanelLinkAfterIt) {
  const int exitLink = commandTable().find("ifdir=");
  ASSERT_GE(exitLink, 0);
  EXPECT_TRUE(commandTable()[static_cast<size_t>(exitLink)].goesOn);
  EXPECT_LT(exitLink, commandTable().find("lnkfnc="));
}

TEST(CommandTable, ListingHasFiveColumnsAndOneLineForEveryRow) {
  std::ostringstream out;
  printCommandTable(out);
  std::istringstream in(out.str());
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 158u);
  for (const auto& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
  EXPECT_EQ(lines[0], "1\tfim end\t\t\tnone");
  EXPECT_EQ(lines[55], "56\ttelpos= telloc=\t\t(not available yet)\tpicture file, script name");
  EXPECT_EQ(lines[157], "158\tgoto\t(goes on)\t\tlabel name without :");
}
