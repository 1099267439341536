// Runs started while another waits: an aborted one stops for good, typed-out text holds the player's input.
#include "present/main_window.h"
#include "present/screen.h"
#include "support/test_game.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QWidget>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {

// A widget that notes what the console showed when a key reached it.
class KeyProbe : public QWidget {
 public:
  std::function<QString()> look;
  QStringList seen;

 protected:
  void keyPressEvent(QKeyEvent*) override { seen << look(); }
};

}  // namespace

TEST(NestedRuns, ClickDuringAPauseIntoAnAbortingScriptRunsNoFurtherLineOfIt) {
  TestGame game;
  game.write("start.scp", "reg= 4,aberto\n");
  game.write("espera.scp", "/ marca\npausa 20\nreg= 3,depois da pausa\n");
  game.write("quebra.scp", "msg= #99999\nreg= 1,linha 2\nreg= 2,linha 3\n");
  game.start();
  game.atTraced("   0: / marca", [&] { game.run("quebra"); });
  game.run("espera");

  EXPECT_TRUE(game.traced("List index out of bounds (99999)"));
  EXPECT_EQ(game.reg(1), "") << "a line after the failure ran";
  EXPECT_EQ(game.reg(2), "");
  // The waiting run finds the lines of the aborted one at their end, as after any nested run.
  EXPECT_EQ(game.reg(3), "");
  EXPECT_EQ(game.reg(4), "aberto");
}

TEST(NestedRuns, TypedOutTextHoldsKeysAndClicksUntilItsLastLetter) {
  TestGame game;
  game.settings({{26, "0"}, {24, "400"}, {25, "200"}});
  game.write("start.scp", "/ marca\nmsg= abcdefghijklmnop\nreg= 1,depois\n");
  KeyProbe probe;
  auto* console = game.player().mainWindow().screen().consoleText();
  probe.look = [console] { return console->toPlainText(); };
  game.atTraced("   0: / marca", [&] {
    QCoreApplication::postEvent(&probe, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
  });
  game.start();
  QCoreApplication::processEvents();

  ASSERT_EQ(probe.seen.size(), 1);
  EXPECT_TRUE(probe.seen[0].contains("abcdefghijklmnop")) << "the key arrived mid-text: " << probe.seen[0].toStdString();
  EXPECT_EQ(game.reg(1), "depois");
}
