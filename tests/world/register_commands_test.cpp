// Register commands: the register number and reference, text, arithmetic, literals and parameters.
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

TEST(RegisterCommands, RangeCheckAdmitsTheRegisterCountAndNegativeNumbersAbort) {
  TestGame game;
  game.settings({{5, "250"}});
  game.write("start.scp",
             "reg= 250,último\n"
             "reg= 251,x\n"
             "reg= ,zero\n"
             "reg= -1,y\n"
             "reg= 1,nunca\n");
  game.start();
  EXPECT_EQ(game.reg(250), "último");
  EXPECT_TRUE(game.traced("   0: reg= 250,último"));
  EXPECT_TRUE(game.traced("   1: reg= 251 <--- registrador fora de faixa"));
  EXPECT_EQ(game.reg(0), "zero");
  EXPECT_TRUE(game.traced("List index out of bounds (-1)"));
  EXPECT_EQ(game.reg(1), "");
}

TEST(RegisterCommands, ShortRegisterFileAbortsInsteadOfGrowing) {
  TestGame game;
  game.settings({{5, "250"}});
  game.writeLines("jogo.rgs", {"a", "b", "c"});
  game.write("start.scp",
             "reg= 2,ok\n"
             "reg= 100,fora\n"
             "reg= 0,nunca\n");
  game.start();
  EXPECT_TRUE(game.traced("List index out of bounds (100)"));
  EXPECT_EQ(game.player().session().registers.size(), 3u);
  EXPECT_EQ(game.reg(0), "a");
  EXPECT_EQ(game.reg(2), "ok");
}

TEST(RegisterCommands, HashReferenceReadsRegistersBelowTheCountOnly) {
  TestGame game;
  game.settings({{5, "250"}});
  game.write("start.scp",
             "reg= 249,nove\n"
             "reg= 250,cinquenta\n"
             "reg= 0,zero\n"
             "reg= 1,#249\n"
             "reg= 2,#250\n"
             "reg= 3,#palavra\n"
             "reg= 4,#999\n"
             "reg= 5,x#1\n"
             "reg= #1,em nove\n");
  game.start();
  EXPECT_EQ(game.reg(1), "nove");
  EXPECT_EQ(game.reg(2), "250");
  EXPECT_EQ(game.reg(3), "zero");
  EXPECT_EQ(game.reg(4), "999");
  EXPECT_EQ(game.reg(5), "x#1");
  // "#1" became "nove", which is no number: register 0.
  EXPECT_EQ(game.reg(0), "em nove");
}

TEST(RegisterCommands, ArgumentsKeepTheirBlanksAndTrimRemovesThem) {
  TestGame game;
  game.write("start.scp",
             "reg= 1, 5\n"
             "reg+ 1,2\n"
             "reg= 2,  dois  \n"
             "reg= 3, três \n"
             "trim 3\n"
             "reg= 4,5 ,x\n"
             "reg+ 4,1\n");
  game.start();
  // A leading blank still reads as a number; a trailing one does not.
  EXPECT_EQ(game.reg(1), "7");
  EXPECT_EQ(game.reg(2), "  dois");
  EXPECT_EQ(game.reg(3), "três");
  EXPECT_TRUE(game.traced("   4: trim 3"));
  EXPECT_EQ(game.reg(4), "1");
}

TEST(RegisterCommands, ArithmeticFallbacksAndThirtyTwoBitWrap) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,10\n"
             "reg+ 1,abc\n"
             "reg* 1\n"
             "reg/ 1,xyz\n"
             "reg- 1,$10\n"
             "reg* 1,0x3\n"
             "reg= 2,2147483647\n"
             "reg+ 2,1\n"
             "reg= 3,-7\n"
             "reg/ 3,2\n"
             "reg= 4,-2147483648\n"
             "reg/ 4,-1\n"
             "reg= 5,65536\n"
             "reg* 5,65536\n"
             "reg= 6,texto\n"
             "reg+ 6,3\n");
  game.start();
  EXPECT_EQ(game.reg(1), "-18");
  EXPECT_TRUE(game.traced("   1: reg+ 1,0"));
  EXPECT_TRUE(game.traced("   2: reg* 1,1"));
  EXPECT_TRUE(game.traced("   3: reg/ 1,1"));
  EXPECT_TRUE(game.traced("   4: reg- 1,16"));
  EXPECT_EQ(game.reg(2), "-2147483648");
  EXPECT_EQ(game.reg(3), "-3");
  EXPECT_EQ(game.reg(4), "-2147483648");
  EXPECT_EQ(game.reg(5), "0");
  EXPECT_EQ(game.reg(6), "3");
}

TEST(RegisterCommands, ArithmeticWrapsAtBothEndsOfTheThirtyTwoBitRange) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,-2147483648\n"
             "reg- 1,1\n"
             "reg= 2,-2147483648\n"
             "reg+ 2,-2147483648\n"
             "reg= 3,46341\n"
             "reg* 3,46341\n"
             "reg= 4,-65537\n"
             "reg* 4,65536\n"
             "reg= 5,$FFFFFFFF\n"
             "reg+ 5,1\n"
             "reg- 6,-2147483648\n"
             "reg= 7,-2147483648\n"
             "reg* 7,-1\n");
  game.start();
  EXPECT_EQ(game.reg(1), "2147483647");
  EXPECT_EQ(game.reg(2), "0");
  EXPECT_EQ(game.reg(3), "-2147479015");  // 46341 squared is 2147488281
  EXPECT_EQ(game.reg(4), "-65536");
  EXPECT_EQ(game.reg(5), "0");
  EXPECT_EQ(game.reg(6), "-2147483648");
  EXPECT_EQ(game.reg(7), "-2147483648");
}

TEST(RegisterCommands, DivisionByZeroLeavesTheRegisterAndMarksTheTrace) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,9\n"
             "reg/ 1,0\n"
             "reg: 1,0\n"
             "reg= 2,depois\n");
  game.start();
  EXPECT_EQ(game.reg(1), "9");
  EXPECT_TRUE(game.traced("   1: reg/ 1,0 <--- divisão por zero"));
  EXPECT_TRUE(game.traced("   2: reg: 1,0 <--- divisão por zero"));
  EXPECT_EQ(game.reg(2), "depois");
}

TEST(RegisterCommands, DecimalDivisionWritesThePortugueseSeparator) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,7\n"
             "reg: 1,2\n"
             "reg= 2,8\n"
             "reg: 2,2\n"
             "reg= 3,2\n"
             "reg: 3,3\n"
             "reg= 4,-1\n"
             "reg: 4,8\n"
             "reg= 5,7\n"
             "reg: 5\n"
             "reg= 6,#1\n"
             "reg+ 6,1\n");
  game.start();
  EXPECT_EQ(game.reg(1), "3,5");
  EXPECT_TRUE(game.traced("   1: reg: 1,2"));
  EXPECT_EQ(game.reg(2), "4");
  EXPECT_EQ(game.reg(3), "0,666666666666667");
  EXPECT_EQ(game.reg(4), "-0,125");
  EXPECT_EQ(game.reg(5), "7");
  // A decimal value is no integer: later arithmetic reads it as 0.
  EXPECT_EQ(game.reg(6), "1");
}

TEST(RegisterCommands, RandomDrawsFollowTheFixedSequenceFromProgramStart) {
  const char* script =
      "reg? 1,6\n"
      "reg= 2,10\n"
      "reg? 2,99\n"
      "reg? 3,99\n"
      "reg? 4,99\n"
      "reg? 5,-1\n";
  for (int program = 0; program < 2; ++program) {
    TestGame game;
    game.write("start.scp", script);
    game.start();
    EXPECT_EQ(game.reg(1), "0");
    EXPECT_TRUE(game.traced("   0: reg? 1,6"));
    EXPECT_EQ(game.reg(2), "13");  // not cleared first: 10 plus the second draw
    EXPECT_EQ(game.reg(3), "86");
    EXPECT_EQ(game.reg(4), "20");
    EXPECT_EQ(game.reg(5), "0");
  }
}

TEST(RegisterCommands, AppendedTextExpandsMarkupSigns) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,a\n"
             "reg$ 1,b^c~d\n");
  game.start();
  EXPECT_EQ(game.reg(1), "ab,c d");
  EXPECT_TRUE(game.traced("   1: reg$ 1,b,c d"));
}

TEST(RegisterCommands, TextLiteralRunsOverLinesAndTheRunnerContinuesAfterIt) {
  TestGame game;
  game.write("start.scp",
             "reg= 9,nove\n"
             "regtxt= 1,'Era uma\n"
             "  vez~um, rei  \n"
             "#9\n"
             "e fim.' ignorado\n"
             "reg= 2,depois\n"
             "regtxt= 3,'a~b'\n"
             "reg= 4,x\n"
             "regtxt+ 4,mais\n"
             "texto'\n"
             "regtxt= 5,primeiro, segundo\n"
             "fecha'\n");
  game.start();
  EXPECT_EQ(game.reg(1), "Era uma vez um, rei nove e fim.");
  EXPECT_TRUE(game.traced("   1: regtxt= 1,e fim..."));
  EXPECT_TRUE(game.traced("   5: reg= 2,depois"));
  EXPECT_FALSE(game.traced("   2: vez~um, rei "));
  // A literal closed on its own line is stored as written.
  EXPECT_EQ(game.reg(3), "a~b");
  EXPECT_EQ(game.reg(4), "xmais texto");
  // The command's own line is split at commas before the literal is read.
  EXPECT_EQ(game.reg(5), "primeiro fecha");
}

TEST(RegisterCommands, TextLiteralWithoutOpeningSwallowsNothing) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,velho\n"
             "regtxt= 1\n"
             "reg= 2,seguinte\n"
             "regtxt= 3,'nunca fechado\n"
             "reg= 4,engolido\n");
  game.start();
  EXPECT_EQ(game.reg(1), "");
  EXPECT_TRUE(game.traced("   1: regtxt= 1 <--- não informou o texto"));
  EXPECT_EQ(game.reg(2), "seguinte");
  EXPECT_EQ(game.reg(3), "nunca fechado reg= 4,engolido ");
  EXPECT_EQ(game.reg(4), "");
}

TEST(RegisterCommands, LinkParametersAndGameValuesIntoRegisters) {
  TestGame game;
  game.write("start.scp", "");
  game.write("sala.scp",
             "param= 1,prm\n"
             "param= 2,pry\n"
             "param= 3,prx\n"
             "param= 4,outro\n"
             "getvar= 5,Script\n"
             "getvar= 6,Model\n"
             "getvar= 7,RetScp\n"
             "getvar= 8,Nada\n");
  game.start();
  game.run("sala&Prm=3&Pry=x");
  EXPECT_EQ(game.reg(1), "3");
  EXPECT_EQ(game.reg(2), "x");
  EXPECT_EQ(game.reg(3), "");
  EXPECT_TRUE(game.traced("   3: param= 4,outro <--- parâmetro desconhecido"));
  EXPECT_EQ(game.reg(5), "sala");
  EXPECT_TRUE(game.traced("   4: getvar= 5,sala"));
  EXPECT_EQ(game.reg(6), "1");
  EXPECT_TRUE(game.traced("   6: getvar= 7, <--- variável desconhecida"));
  EXPECT_TRUE(game.traced("   7: getvar= 8, <--- variável desconhecida"));
}
