// The dispatch table's shape: the order and keywords scripts depend on.
#include "app/command_table.h"

#include <gtest/gtest.h>
#include <set>

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

TEST(CommandTable, EntriesThatHandTheLineOnAreMarked) {
  for (auto word : {"gosub", "recall=", "saveregs", "saveobjs", "volume=", "lnfeed=", "linefeed", "ifdir=",
                    "lnkpan=", "ifmod0", "ifmod4", "instalfonte", "borda=", "inptdef=", "texto", "goto"})
    EXPECT_TRUE(commandTable()[static_cast<size_t>(commandTable().find(word))].goesOn) << word;
  for (auto word : {"fim", "script", "reg=", "msg=", "return"})
    EXPECT_FALSE(commandTable()[static_cast<size_t>(commandTable().find(word))].goesOn) << word;
}
