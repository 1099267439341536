// A run abort says where it happened: the script, the line counted from 1, and the line itself.
#include "support/program_run.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>

using taluvin::testing::TestGame;

TEST(RunAbort, TheMessageKeepsItsTextAndNamesTheScriptAndLineAfterTheFailingLine) {
  TestGame game;
  game.write("start.scp", "pausa 0\n");
  game.write("sala.scp",
             "reg= 1,abc\n"
             "\n"
             "  if> 1,0,reg=,2,x  \n"
             "reg= 3,nunca\n");
  game.start();
  game.clearTrace();
  game.run("sala");
  const auto& trace = game.trace();
  const auto message = std::find(trace.begin(), trace.end(), "'abc' is not a valid integer value");
  ASSERT_NE(message, trace.end());
  ASSERT_NE(message, trace.begin());
  EXPECT_EQ((message - 1)->rfind("   2: if> ", 0), 0u) << *(message - 1);
  ASSERT_NE(message + 1, trace.end());
  EXPECT_EQ(*(message + 1), "in sala.scp, line 3: if> 1,0,reg=,2,x");
  EXPECT_EQ(game.reg(3), "");

  // A subroutine's own script is named, not the caller's.
  game.write("sub.scp", "reg= 4,antes\nreg+ 5,1\nmsg= #999\n");
  game.write("chama.scp", "gosub sub\n");
  game.run("chama");
  EXPECT_TRUE(game.traced("List index out of bounds (999)"));
  EXPECT_TRUE(game.traced("in sub.scp, line 3: msg= #999"));
}

TEST(RunAbort, TheProgramSaysWhereOnStderr) {
  TestGame game;
  game.write("start.scp", "reg= 1,abc\nif< 1,0,reg=,2,x\n");
  auto run = taluvin::testing::runProgram({game.folder(), "--headless", "--start"}, 60000);
  EXPECT_NE(run.err.find("taluvin: 'abc' is not a valid integer value\nin start.scp, line 2: if< 1,0,reg=,2,x"),
            std::string::npos)
      << run.err;
}
