// Emptying what each screen model shows as text, and the line store that "$" reads back.
#include "base/text.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using taluvin::Lines;
using taluvin::testing::named;
using taluvin::testing::TestGame;

namespace {

QString plainText(TestGame& game, const char* name) { return named<QPlainTextEdit>(game, name)->toPlainText(); }

}  // namespace

TEST(MessageClearing, ClearmsgEmptiesTheTextOfTheCurrentModelOnly) {
  TestGame game;
  game.write("start.scp",
             "texto guardado\n"
             "msg= antes\n"
             "clearmsg\n"
             "msg+ depois\n");
  game.write("console.scp",
             "msg= fica\n"
             "mode= 0\n"
             "veltec= 0\n"
             "efeito= direto\n"
             "msg= no console\n"
             "clearmsg\n"
             "msg+ fim\n");
  game.write("page.scp",
             "mode= 3\n"
             "texto um\n"
             "texto dois\n"
             "clearmsg\n"
             "texto tres\n");
  game.write("monitor.scp",
             "mode= 4\n"
             "texto fica\n"
             "clearmsg\n");
  game.start();
  EXPECT_TRUE(game.traced("   2: clearmsg "));
  EXPECT_EQ(plainText(game, "Msg"), "depois");
  EXPECT_EQ(game.player().session().screen.lineStore, Lines{"guardado"}) << "the strip's clearing keeps the store";

  game.run("console");
  EXPECT_EQ(plainText(game, "MsgMd0"), "fim");
  EXPECT_EQ(plainText(game, "Msg"), "fica") << "the console's clearing leaves the strip";

  game.run("page");
  EXPECT_EQ(game.player().session().screen.lineStore, Lines{"tres"});

  // The monitor gathers its text in the store and shows it only with "memo" or "btxt=".
  game.run("monitor");
  EXPECT_TRUE(game.traced("   2: clearmsg "));
  EXPECT_EQ(game.player().session().screen.lineStore, Lines{"fica"});
}

TEST(MessageClearing, TextoSetReplacesTheLineStoreAndCleartxtEmptiesItInAnyModel) {
  TestGame game;
  game.write("start.scp",
             "texto um\n"
             "texto dois\n"
             "texto= só este\n"
             "legenda= $,10,10,200,40\n");
  game.write("clear.scp",
             "texto tres\n"
             "cleartxt\n"
             "texto cinco\n");
  game.write("page.scp",
             "mode= 3\n"
             "texto quatro\n"
             "cleartxt\n");
  game.start();
  const auto& store = game.player().session().screen.lineStore;
  EXPECT_EQ(store, Lines{taluvin::utf8ToCp1252("só este")});
  EXPECT_EQ(named<QLabel>(game, "Legda")->text(), QString::fromUtf8("só este")) << "\"$\" reads the store back";
  game.run("clear");
  EXPECT_TRUE(game.traced("   1: cleartxt "));
  EXPECT_EQ(store, Lines{"cinco"});
  game.run("page");
  EXPECT_TRUE(store.empty());
}
