// Lines read once per load: the same labels, notes and arguments as reading them afresh, a changed
// file read again, and labels that cost no scan of the script.
#include "app/command_table.h"
#include "script/parsed_script.h"
#include "script/runner.h"
#include "script/script_file.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

using taluvin::testing::TestGame;

namespace {

taluvin::ParsedScript parsed(const taluvin::Lines& lines) {
  return taluvin::ParsedScript(std::make_shared<const taluvin::Lines>(lines), taluvin::commandTable());
}

}  // namespace

// The scans over the lines are the reference: the index must give what they give for every label,
// names inside other names, a name twice on a line, a bare ":" and labels of one name included.
TEST(ParsedScript, LabelsAndTheirNotesAreWhatAScanOfTheLinesGives) {
  const taluvin::Lines lines = {"goto L1",  ":L1",  " :L10 ",     "ifreg= 1,2,L1 L1", ":",
                                ":L1",      "|:L2", ":dois nomes", "goto dois nomes",  "\t:L2\t",
                                "msg= L10", "",     ":Fim",        "x"};
  const auto script = parsed(lines);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text = taluvin::trimView(lines[i]);
    if (text.empty() || text[0] != ':') continue;
    EXPECT_EQ(script.labelReferenceNote(i), taluvin::labelReferenceNote(lines, text)) << lines[i];
    EXPECT_EQ(script.findLabel(text.substr(1)), taluvin::findLabel(lines, text.substr(1))) << lines[i];
  }
  for (const char* name : {"L1", "L10", "L2", "fim", "Fim", "dois nomes", "", "nada"})
    EXPECT_EQ(script.findLabel(name), taluvin::findLabel(lines, name)) << name;
  EXPECT_EQ(script.labelList(), taluvin::labelList(lines));
}

TEST(ParsedScript, ArgumentsAreCutAsTheLineRunsAndRegistersAreReadWhenItRuns) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,0\n"
             "reg= 3,\n"
             ":volta\n"
             "reg+ 1,1\n"
             "reg$ 3,#1\n"
             "reg$ 3,#999\n"
             "| reg$ 3,^,a,b\n"
             "ifreg< 1,3,volta\n");
  game.start();
  EXPECT_EQ(game.reg(3), "1999,2999,3999,");
  EXPECT_TRUE(game.traced("   4: reg$ 3,1"));
  EXPECT_TRUE(game.traced("   4: reg$ 3,3"));
  EXPECT_TRUE(game.traced("   6: reg$ 3,,"));
}

TEST(ParsedScript, AScriptChangedOnDiskIsReadAgainAndAnUnchangedOneIsNot) {
  TestGame game;
  game.write("start.scp", "reg= 1,um\n");
  game.write("sub.scp", "reg+ 2,1\nret\n");
  game.write("chama.scp", "gosub sub\ngosub sub\nreg+ 2,10\n");
  game.start();
  auto& runner = game.player().runner();
  game.run("chama");
  const size_t reads = runner.scriptReads();
  game.run("chama");
  game.run("chama");
  EXPECT_EQ(runner.scriptReads(), reads);
  EXPECT_EQ(game.reg(2), "36");

  // The same size, so only the change times tell; they are moved on so a coarse clock cannot hide it.
  game.write("start.scp", "reg= 1,do\n");
  const auto path = std::filesystem::path(game.folder()) / "start.scp";
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
  game.run("start");
  EXPECT_EQ(game.reg(1), "do");
  EXPECT_GT(runner.scriptReads(), reads);
}
