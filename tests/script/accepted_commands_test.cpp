// Commands a script may hold that are accepted and change nothing: "recall=" and "listaobjetos".
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <gtest/gtest.h>

using taluvin::testing::named;
using taluvin::testing::TestGame;

TEST(AcceptedCommands, RecallAndListaobjetosLeaveTheGameAsItWas) {
  TestGame game;
  game.writeLines("jogo.obz", {"anel"});
  game.writeLines("jogo.obx", {"anel", "Anel", "um anel", "jog", "", "", "", ""});
  game.write("start.scp",
             "reg= 1,antes\n"
             "recall=\n"
             "recall= 5,outro\n"
             "listaobjetos jog\n"
             "listaobjetos loc\n"
             "listaobjetos\n"
             "reg= 2,depois\n");
  game.start();
  for (const char* line : {"   1: recall= ", "   2: recall= ", "   3: listaobjetos ", "   4: listaobjetos ",
                           "   5: listaobjetos "})
    EXPECT_TRUE(game.traced(line)) << line;
  EXPECT_EQ(game.reg(1), "antes");
  EXPECT_EQ(game.reg(2), "depois") << "the run goes on after them";
  EXPECT_EQ(game.reg(5), "");
  const auto& s = game.player().session();
  EXPECT_EQ(s.objects.line(0, 3), "jog");
  EXPECT_TRUE(s.screen.lineStore.empty());
  EXPECT_EQ(named<QPlainTextEdit>(game, "Msg")->toPlainText(), "");
  // "recall=" hands its line on, and no later entry takes it: the line is traced once.
  EXPECT_EQ(std::count(game.trace().begin(), game.trace().end(), std::string("   1: recall= ")), 1);
}
