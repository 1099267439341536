// Register conditions: jumping on registers, running carried commands, and the player kind.
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

TEST(RegisterConditions, IfRegJumpsOnTextAndIntegerComparisons) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,10\n"
             "ifreg= 1,10,a\n"
             "reg= 9,pulado\n"
             ":a\n"
             "ifreg= 1,010,nunca\n"
             "ifreg# 1,010,b\n"
             "reg= 9,pulado\n"
             ":b\n"
             "ifreg> 1,9,c\n"
             "reg= 9,pulado\n"
             ":c\n"
             "reg= 2,abc\n"
             "ifreg< 2,1,d\n"
             "reg= 9,pulado\n"
             ":d\n"
             "ifreg> 1,10,nunca\n"
             "ifreg= 300,x,nunca\n"
             "reg= 8,fim\n");
  game.start();
  // Every jump taken, including "abc" < 1: text that is no integer counts as 0 here.
  EXPECT_EQ(game.reg(9), "");
  EXPECT_TRUE(game.traced("   4: ifreg= 1 <- não saltou"));
  EXPECT_TRUE(game.traced("  15: ifreg> 1 <- não saltou"));
  EXPECT_TRUE(game.traced("  16: ifreg= 300 <--- registrador fora de faixa"));
  EXPECT_EQ(game.reg(8), "fim");
}

TEST(RegisterConditions, IfRunsTheCarriedCommandWithItsOwnArguments) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,10\n"
             "if= 1,10,reg=,2,sim\n"
             "if= 1,11,reg=,3,não\n"
             "if# 1,11,reg+,4,5\n"
             "if> 1,9,reg=,5,maior\n"
             "if< 1,9,reg=,6,menor\n"
             "if= 1,10,goto,fim\n"
             "reg= 7,pulado\n"
             ":fim\n");
  game.start();
  EXPECT_EQ(game.reg(2), "sim");
  EXPECT_TRUE(game.traced("Exec: reg= 2,sim"));
  EXPECT_EQ(game.reg(3), "");
  EXPECT_TRUE(game.traced("   2: if= 1,11+reg=,3,não"));
  EXPECT_EQ(game.reg(4), "5");
  EXPECT_EQ(game.reg(5), "maior");
  EXPECT_EQ(game.reg(6), "");
  EXPECT_EQ(game.reg(7), "");
}

TEST(RegisterConditions, OrderedIfAbortsOnTextThatIsNoInteger) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,abc\n"
             "if> 1,0,reg=,2,x\n"
             "reg= 3,nunca\n");
  game.start();
  EXPECT_TRUE(game.traced("'abc' is not a valid integer value"));
  EXPECT_EQ(game.reg(2), "");
  EXPECT_EQ(game.reg(3), "");
}

TEST(RegisterConditions, IfBetweenComparesAsText) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,10\n"
             "if~ 1,2,5,reg=,2,dentro\n"
             "reg= 1,3\n"
             "if~ 1,2,5,reg=,3,dentro\n"
             "reg= 1,bola\n"
             "if~ 1,a,c,reg=,4,entre\n");
  game.start();
  // "10" sorts before "2".
  EXPECT_EQ(game.reg(2), "");
  EXPECT_TRUE(game.traced("   1: if~ 12+5,reg=,2,dentro,2,5,reg=,2,dentro"));
  EXPECT_EQ(game.reg(3), "dentro");
  EXPECT_EQ(game.reg(4), "entre");
}

TEST(RegisterConditions, PlayerKindConditionsNeverRunForTheUsualPlayer) {
  TestGame game;
  game.write("start.scp",
             "ifma= reg=,1,ma\n"
             "ifgen= reg=,2,gen\n");
  game.start();
  EXPECT_EQ(game.reg(1), "");
  EXPECT_EQ(game.reg(2), "");
  EXPECT_TRUE(game.traced("   0: ifma= reg=,1,ma"));
}
