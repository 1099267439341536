// Flow control: jumps, subroutines, chaining, ending and the model conditions.
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

TEST(FlowCommands, GotoJumpsToLineAfterLabelAndMissingLabelGoesOn) {
  TestGame game;
  game.write("start.scp",
             "goto depois\n"
             "nunca\n"
             ":depois \n"
             "aqui\n"
             "goto nada\n"
             "fim\n");
  game.start();
  EXPECT_TRUE(game.traced("   3: aqui "));
  EXPECT_FALSE(game.traced("   1: nunca "));
  EXPECT_TRUE(game.traced("   4: goto nada <--- não existe este label"));
  EXPECT_TRUE(game.traced("   5: fim <-Encerrou a execução"));
}
