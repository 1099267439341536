// "ifmod0" to "ifmod4": each runs the command it carries only in its own screen model.
#include "support/test_game.h"

#include <algorithm>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

TEST(ModelConditions, EachConditionRunsItsCommandInItsOwnModelOnly) {
  TestGame game;
  // Each run writes its model into register k + 1 through "ifmodk": a register keeping a value
  // from an earlier run holds another model, so every run checks all five conditions afresh.
  const std::string conditions =
      "ifmod0 reg=,1,m{M}\n"
      "ifmod1 reg=,2,m{M}\n"
      "ifmod2 reg=,3,m{M}\n"
      "ifmod3 reg=,4,m{M}\n"
      "ifmod4 reg=,5,m{M}\n";
  game.write("start.scp", "");
  game.start();
  for (char model : {'0', '1', '2', '3', '4'}) {
    std::string script = std::string("mode= ") + model + "\n" + conditions;
    for (auto at = script.find("{M}"); at != std::string::npos; at = script.find("{M}")) script.replace(at, 3, 1, model);
    game.write("modelo.scp", script);
    game.clearTrace();
    game.run("modelo");
    for (int k = 0; k < 5; ++k) {
      const bool own = k == model - '0';
      EXPECT_EQ(game.reg(k + 1) == std::string("m") + model, own) << "ifmod" << k << " in model " << model;
      // A condition that does not hold leaves its own line in the trace; one that holds, the carried one.
      EXPECT_EQ(game.traced("   " + std::to_string(k + 1) + ": ifmod" + std::to_string(k) + " "), !own)
          << "ifmod" << k << " in model " << model;
    }
    EXPECT_EQ(std::count_if(game.trace().begin(), game.trace().end(),
                            [](const std::string& line) { return line.rfind("Exec: reg= ", 0) == 0; }),
              1)
        << "model " << model;
  }
}

TEST(ModelConditions, ACarriedJumpOrEndActsOnlyInItsModel) {
  TestGame game;
  game.write("start.scp",
             "mode= 3\n"
             "ifmod4 goto,fora\n"
             "ifmod0 fim\n"
             "ifmod3 goto,pagina\n"
             "reg= 1,nao saltou\n"
             ":pagina\n"
             "reg= 2,saltou\n"
             "ifmod3 fim\n"
             "reg= 3,depois do fim\n"
             ":fora\n"
             "reg= 4,fora\n");
  game.start();
  EXPECT_EQ(game.reg(1), "");
  EXPECT_EQ(game.reg(2), "saltou");
  EXPECT_EQ(game.reg(3), "");
  EXPECT_EQ(game.reg(4), "");
}
