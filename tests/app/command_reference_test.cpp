// The authors' command reference: generated from the dispatch table and committed as docs/commands.md.
#include "app/command_table.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;

namespace {

TEST(CommandReference, CommittedFileIsWhatTheProgramPrints) {
  auto run = runProgram({"--list-commands", "--markdown"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string committed = fileBytes(std::filesystem::path(TALUVIN_SOURCE_DIR) / "docs" / "commands.md");
  // On a difference: taluvin --list-commands --markdown > docs/commands.md
  EXPECT_TRUE(run.out == committed) << "docs/commands.md is out of date with the dispatch table";
}

TEST(CommandReference, EveryRowHasAnEffectAndItsPlaceUnderItsFamily) {
  const auto& table = taluvin::commandTable();
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_FALSE(table[i].effect.empty()) << table[i].keywords[0];
    EXPECT_FALSE(table[i].arguments.empty()) << table[i].keywords[0];
  }
  const std::string out = runProgram({"--list-commands", "--markdown"}).out;
  // Each entry once (a family without a heading would lose its rows), with its number, keywords in
  // backquotes and a bar in a keyword escaped.
  size_t rows = 0;
  for (size_t at = out.find("\n| "); at != std::string::npos; at = out.find("\n| ", at + 1))
    if (std::isdigit(static_cast<unsigned char>(out[at + 3]))) ++rows;
  EXPECT_EQ(rows, table.size());
  EXPECT_NE(out.find("| 1 | `fim` `end` | none | ends the run"), std::string::npos);
  EXPECT_NE(out.find("| 158 | `goto` | label name without : | continues after the label (*goes on*) |"),
            std::string::npos);
  EXPECT_NE(out.find("| 68 | `oeste=` `west` |"), std::string::npos);
}

}  // namespace
