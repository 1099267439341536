// The register and object tables, and each register's text, stay within their budgets.
#include "support/program_run.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

const std::string kCutMarker = " <--- texto cortado em 1048576 caracteres";
constexpr size_t kMaxText = size_t{1} << 20;

bool tracedEnding(const TestGame& game, const std::string& start, const std::string& end) {
  return std::any_of(game.trace().begin(), game.trace().end(), [&](const std::string& line) {
    return line.rfind(start, 0) == 0 && line.size() >= end.size() &&
           line.compare(line.size() - end.size(), end.size(), end) == 0;
  });
}

void writeRaw(const TestGame& game, const std::string& name, const std::string& bytes) {
  std::ofstream out(game.folder() + name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace

TEST(WorldBudget, RegisterThatDoublesItselfStopsAtItsBudgetAndTheRunGoesOn) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,abcdefgh\n"
             ":dobra\n"
             "reg$ 1,#1\n"
             "reg+ 2,1\n"
             "ifreg< 2,40,dobra\n"
             "reg= 3,vivo\n");
  game.start();
  EXPECT_EQ(game.reg(3), "vivo");
  EXPECT_EQ(game.reg(2), "40");
  const std::string doubled = game.reg(1);
  EXPECT_EQ(doubled.size(), kMaxText);
  EXPECT_EQ(doubled.substr(0, 16), "abcdefghabcdefgh");
  EXPECT_TRUE(tracedEnding(game, "   2: reg$ 1,abcdefgh", kCutMarker));
  // Writes that fit say nothing.
  EXPECT_TRUE(game.traced("   2: reg$ 1,abcdefgh"));
}

TEST(WorldBudget, LiteralsLoadedLinesAndRegisterFilesAreCutAtTheBudget) {
  TestGame game;
  writeRaw(game, "longo.scp", std::string(kMaxText + 500, 'x') + "\r\ncurta\r\n");
  writeRaw(game, "jogo.rgs", "zero\r\n" + std::string(2 * kMaxText, 'y') + "\r\ndois\r\n" + std::string(14, '\n'));
  game.write("start.scp",
             "loadregs longo,5,0,2\n"
             "regtxt= 7,'início\n"
             "#5\n"
             "#5\n"
             "fim'\n"
             "reg= 8,depois\n");
  game.start();
  EXPECT_TRUE(game.traced("jogo.rgs: 1 line longer than 1048576 characters is cut there"));
  EXPECT_EQ(game.player().session().registers.at(1).size(), kMaxText);
  EXPECT_EQ(game.reg(2), "dois");

  EXPECT_EQ(game.reg(5).size(), kMaxText);
  EXPECT_EQ(game.reg(6), "curta");
  EXPECT_TRUE(game.traced("   0: loadregs longo,5,0,2" + kCutMarker));

  EXPECT_EQ(game.player().session().registers.at(7).size(), kMaxText);
  EXPECT_EQ(game.reg(7).rfind("início xxx", 0), 0u);
  EXPECT_TRUE(game.traced("   1: regtxt= 7,fim..." + kCutMarker));
  EXPECT_EQ(game.reg(8), "depois");  // the run went on after the literal's last line
}

TEST(WorldBudget, RegisterCountPastTheBudgetIsCutWithAMessage) {
  TestGame game;
  game.settings({{5, "2147483647"}});
  game.write("start.scp",
             "reg= 1000000,último\n"
             "reg= 1000001,fora\n");
  game.start();
  EXPECT_TRUE(game.traced("register count 2147483647 is more than 1000000; the table holds 1000000"));
  EXPECT_EQ(game.player().session().RegCount, 1000000);
  EXPECT_EQ(game.player().session().registers.size(), 1000001u);
  EXPECT_EQ(game.reg(1000000), "último");
  EXPECT_TRUE(game.traced("   1: reg= 1000001 <--- registrador fora de faixa"));
}

TEST(WorldBudget, ProgramSettingsAskingForTooManyRegistersStillOpenTheGame) {
  TestGame game;
  game.writeLines("taluvin.ini", {"", "", "", "", "jogo", "2147483647"});
  game.write("start.scp", "reg= 3,aberto\n");
  const auto run = runProgram({game.folder(), "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("taluvin: register count 2147483647 is more than 1000000; the table holds 1000000"),
            std::string::npos)
      << run.err;
  const auto saved = game.readLines("jogo.rgs");
  ASSERT_GT(saved.size(), 3u);
  EXPECT_EQ(saved[3], "aberto");
}

TEST(WorldBudget, RegisterFileLongerThanTheLargestTableIsCut) {
  TestGame game;
  std::string lines;
  for (int k = 0; k < 1000003; ++k) lines += k == 1000000 ? "fim\r\n" : "\r\n";
  writeRaw(game, "jogo.rgs", lines);
  game.write("start.scp", "reg= 0,ok\n");
  game.start();
  EXPECT_TRUE(game.traced("jogo.rgs: 2 lines past the first 1000001 are left out"));
  EXPECT_EQ(game.player().session().registers.size(), 1000001u);
  EXPECT_EQ(game.reg(1000000), "fim");
}

TEST(WorldBudget, ObjectLinesAndListsAreCutToTheLengthOfARegister) {
  TestGame game;
  game.writeLines("jogo.obz", {"anel", "bola", "lamp"});
  std::string table = "lamp\r\nLamp\r\n" + std::string(kMaxText + 10, 'd') + "\r\nsala\r\n\r\n\r\n\r\n\r\n";
  for (const char* key : {"anel", "bola"})
    table += std::string(key) + "\r\n\r\n" + std::string(kMaxText / 2, key[0]) + "\r\nsala\r\n\r\n\r\n\r\n\r\n";
  writeRaw(game, "jogo.obx", table);
  game.write("start.scp",
             "getdscobj= 1,lamp\n"
             "lstobj 2,sala\n"
             "reg= 3,depois\n");
  game.start();
  EXPECT_TRUE(game.traced("jogo.obx: 1 line longer than 1048576 characters is cut there"));
  EXPECT_EQ(game.reg(1).size(), kMaxText);
  EXPECT_EQ(game.player().session().objects.line(0, 3), "sala");
  // The three descriptions together pass the budget: the sentence keeps its first megabyte.
  EXPECT_TRUE(game.traced("   1: lstobj 2,sala" + kCutMarker));
  const std::string listed = game.reg(2);
  EXPECT_EQ(listed.size(), kMaxText);
  EXPECT_EQ(listed.substr(0, 3), "bbb");  // the last object in table order comes first
  EXPECT_EQ(listed.substr(kMaxText / 2, 4), ", aa");
  EXPECT_EQ(game.reg(3), "depois");
}
