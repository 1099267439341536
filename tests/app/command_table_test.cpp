// The dispatch table's shape: the order and keywords scripts depend on, and its listing for authors.
#include "app/command_listing.h"
#include "app/command_table.h"

#include <gtest/gtest.h>

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

// Whether each row goes on is checked by calling its handler (the coverage test); "ifdir=" hands
// its line on only when its exit is set, which the sweep's line does not do, so the row it hands
// the line to is pinned here.
TEST(CommandTable, ExitLinkHandsItsLineOnToThePanelLinkAfterIt) {
  const int exitLink = commandTable().find("ifdir=");
  ASSERT_GE(exitLink, 0);
  EXPECT_TRUE(commandTable()[static_cast<size_t>(exitLink)].goesOn);
  EXPECT_LT(exitLink, commandTable().find("lnkfnc="));
}

TEST(CommandTable, ListingHasFourColumnsAndOneLineForEveryRow) {
  std::ostringstream out;
  printCommandTable(out);
  std::istringstream in(out.str());
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), commandTable().size());
  for (size_t i = 0; i < lines.size(); ++i) {
    std::vector<std::string> columns;
    std::istringstream line(lines[i]);
    for (std::string column; std::getline(line, column, '\t');) columns.push_back(column);
    ASSERT_EQ(columns.size(), 4u) << lines[i];
    EXPECT_EQ(columns[0], std::to_string(i + 1));
    EXPECT_EQ(columns[3], commandTable()[i].arguments) << lines[i];
  }
  EXPECT_EQ(lines.front(), "1\tfim end\t\tnone");
  EXPECT_EQ(lines.back(), "158\tgoto\t(goes on)\tlabel name without :");
}

TEST(CommandTable, EveryKeywordReachesTheHandlerOfItsOwnRowAndNoRowLacksOne) {
  const auto& table = commandTable();
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_NE(table[i].handler, nullptr) << table[i].keywords.front();
    for (auto word : table[i].keywords) EXPECT_EQ(commandTable().find(word), static_cast<int>(i)) << word;
  }
  // A row added without its handler stops the program before any script runs.
  auto rows = table.entries();
  rows.push_back({{"novo="}, nullptr, false, CommandFamily::FlowControl, {}, "none"});
  EXPECT_THROW(taluvin::CommandIndex{rows}, std::invalid_argument);
}
