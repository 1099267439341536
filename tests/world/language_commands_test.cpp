// Language commands: the language of settings line 79, putlng, and the texts kept for one language.
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {

// The program's settings name the game and give the language; the game's settings the register count.
void speak(TestGame& game, const std::string& language) {
  std::vector<std::string> program(80);
  program[4] = "jogo";
  program[79] = language;
  game.writeLines("taluvin.ini", program);
  game.settings({{5, "20"}});
}

}  // namespace

TEST(LanguageCommands, GetlngReadsTheStartLanguageAndPutlngTakesOnlyKnownCodes) {
  TestGame game;
  speak(game, "br");
  game.write("start.scp",
             "getlng 3\n"
             "putlng xx\n"
             "getlng 4\n"
             "putlng en\n"
             "getlng\n");
  game.start();
  EXPECT_EQ(game.reg(3), "br");
  EXPECT_TRUE(game.traced("   0: getlng 3 = br"));
  EXPECT_TRUE(game.traced("   1: putlng xx <- este idioma não é reconhecido"));
  EXPECT_EQ(game.reg(4), "br");
  EXPECT_TRUE(game.traced("   3: putlng en"));
  EXPECT_TRUE(game.traced("   4: getlng 0 = en"));
  EXPECT_EQ(game.reg(0), "en");
  // The change lives in memory only: the program started again speaks its settings' language.
  game.restart();
  EXPECT_EQ(game.player().session().Language, "br");
}

TEST(LanguageCommands, MatchingLanguageReadsTheLiteralOverLinesAndAppendsWithPlus) {
  TestGame game;
  speak(game, "br");
  game.write("start.scp",
             "reg= 1,antes\n"
             "ifbr= 1,'Olá\n"
             "  mundo a^b  \n"
             "fim' resto\n"
             "ifbr+ 1,' mais'\n"
             "ifpt= 2,'nunca'\n"
             "ifbr= 7,'x\n"
             "#1\n"
             "'\n"
             "reg= 8,depois\n");
  game.start();
  EXPECT_EQ(game.reg(1), "Olá mundo a,b fimmais");
  EXPECT_TRUE(game.traced("   1: ifbr= 1,fim..."));
  EXPECT_TRUE(game.traced("   4: ifbr+ 1,mais..."));
  EXPECT_TRUE(game.traced("   5: ifpt= "));
  EXPECT_EQ(game.reg(2), "");
  // Unlike regtxt=, a piece starting with "#" is text, not a register.
  EXPECT_EQ(game.reg(7), "x #1 ");
  EXPECT_EQ(game.reg(8), "depois");
}

TEST(LanguageCommands, OtherLanguageLeavesTheContinuationLinesToRun) {
  TestGame game;
  speak(game, "br");
  game.write("start.scp",
             "reg= 2,antes\n"
             "ifen= 2,'Hello\n"
             "reg= 5,corre\n"
             "world'\n"
             "reg= 6,depois\n");
  game.start();
  EXPECT_EQ(game.reg(2), "antes");
  EXPECT_TRUE(game.traced("   1: ifen= "));
  EXPECT_EQ(game.reg(5), "corre");
  EXPECT_EQ(game.reg(6), "depois");
}

TEST(LanguageCommands, RegisterAboveTheCountIsRefusedBeforeAnyLineIsRead) {
  TestGame game;
  speak(game, "es");
  game.write("start.scp",
             "ifes= 21,'uno\n"
             "reg= 3,corre'\n"
             "ifes= 20,'dos\n"
             "tres'\n"
             "ifes= 4,\n"
             "reg= 9,sigue\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: ifes= 21 <--- registrador fora de faixa"));
  EXPECT_EQ(game.reg(3), "corre'");
  EXPECT_EQ(game.reg(20), "dos tres");
  // No opening, no literal: the lines below are not swallowed.
  EXPECT_TRUE(game.traced("   4: ifes= 4 <--- não informou o texto"));
  EXPECT_EQ(game.reg(9), "sigue");
}
