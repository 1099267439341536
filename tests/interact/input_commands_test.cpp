// The register input box, inptdef=, setfoco=, loadpainel and inkey, played by a real player.
#include "app/replay/replay_keys.h"
#include "present/command_panel.h"
#include "present/frame_page.h"
#include "present/picture_file.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::screenOf;

namespace taluvin {
namespace {

QPlainTextEdit* registerBox(TestGame& game) { return screenOf(game).panel().registerInput(); }

void sendKey(TestGame& game, QEvent::Type type, int key) {
  QKeyEvent event(type, key, Qt::NoModifier);
  QApplication::sendEvent(&game.player().mainWindow(), &event);
}

TEST(RegisterInput, EnterStoresTheTextAsTypedHidesTheBoxAndRunsItsScript) {
  TestGame game;
  game.write("start.scp", "mode= 1\nreg= 5,velho\ninptreg= 5,10,20,150,24,depois\n");
  game.write("depois.scp", "fim\n");
  game.start();
  EXPECT_EQ(game.player().madeMonitor(), nullptr) << "outside model 4 the monitor's input is not asked for";
  QPlainTextEdit* box = registerBox(game);
  ASSERT_TRUE(box->isVisible());
  EXPECT_EQ(box->geometry(), QRect(10, 20, 150, 24));
  EXPECT_EQ(box->toPlainText(), "velho") << "the box shows the register's text";

  box->clear();
  box->setFocus();
  replayType(game.player(), ReplayStep{0, "type", {}, "Ana Sá"});
  replayKey(game.player(), ReplayStep{0, "key", {"Return"}});
  EXPECT_EQ(game.reg(5), "Ana Sá") << "not normalised, and Enter adds no line break";
  EXPECT_FALSE(box->isVisible());
  EXPECT_TRUE(game.traced("Executando script: depois.scp"));

  // "off" hides the box; a register the table lacks is refused and the box stays hidden.
  game.write("fora.scp", "inptreg= 9999,0,0,10,10,depois\n");
  game.run("fora");
  EXPECT_TRUE(game.traced("   0: inptreg= 9999 <--- registrador fora de faixa"));
  EXPECT_FALSE(box->isVisible());
  game.write("some.scp", "input= 6,0,0,50,20,\ninptcmd= off\n");
  game.run("some");
  EXPECT_FALSE(box->isVisible());
}

TEST(RegisterInput, OffBeforeAnyBoxWasAskedForMakesNone) {
  TestGame game;
  game.write("start.scp", "inptreg= off\n");
  game.start();
  EXPECT_FALSE(screenOf(game).panel().registerInputMade());
  EXPECT_EQ(game.player().madeMonitor(), nullptr);
}

TEST(RegisterInput, StyleLettersSetBoldItalicAndUnderlineByPlace) {
  TestGame game;
  game.write("start.scp", "inptdef= Arial,000080,FFFF00,20,1,BiU\ninptreg= 1,0,0,100,30,\n");
  game.start();
  QPlainTextEdit* box = registerBox(game);
  EXPECT_TRUE(box->font().bold());
  EXPECT_FALSE(box->font().italic()) << "a lower-case letter is not a style";
  EXPECT_TRUE(box->font().underline());
  EXPECT_EQ(box->palette().color(QPalette::Base), QColor(0x00, 0x00, 0x80));
  EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0x00));
  EXPECT_EQ(box->frameShape(), QFrame::Box);

  game.write("plano.scp", "inptdef= Arial,FFFFFF,000000,grande,0\n");
  game.run("plano");
  EXPECT_FALSE(box->font().bold());
  EXPECT_FALSE(box->font().underline());
  EXPECT_EQ(box->frameShape(), QFrame::NoFrame);
}

TEST(Inkey, GivesTheNameOrCharacterOfTheKeyHeldAndNothingOnceReleased) {
  TestGame game;
  game.write("start.scp", "fim\n");
  game.write("le.scp", "inkey 3\n");
  game.start();

  sendKey(game, QEvent::KeyPress, Qt::Key_A);
  game.run("le");
  EXPECT_EQ(game.reg(3), "A");
  sendKey(game, QEvent::KeyPress, Qt::Key_F5);
  game.run("le");
  EXPECT_EQ(game.reg(3), "F5");
  sendKey(game, QEvent::KeyPress, Qt::Key_PageDown);
  game.run("le");
  EXPECT_EQ(game.reg(3), "PgDw");
  sendKey(game, QEvent::KeyPress, Qt::Key_7);
  game.run("le");
  EXPECT_EQ(game.reg(3), "7");
  sendKey(game, QEvent::KeyRelease, Qt::Key_7);
  game.run("le");
  EXPECT_EQ(game.reg(3), "");
  EXPECT_TRUE(game.traced("   0: inkey 3"));

  game.write("fora.scp", "reg= 0,antes\ninkey 999\ninkey\n");
  game.run("fora");
  EXPECT_TRUE(game.traced("   1: inkey 999 <--- registrador fora de faixa"));
  EXPECT_TRUE(game.traced("   2: inkey 0"));
  EXPECT_EQ(game.reg(0), "");
}

TEST(SetFocus, MovesTheKeyboardToTheNamedControl) {
  TestGame game;
  game.settings({{44, "*"}});
  game.write("start.scp", "mode= 1\ninptreg= 1,0,0,50,20,\n");
  game.write("foco.scp", "setfoco= inp\n");
  game.write("nada.scp", "setfoco= qualquer\n");
  game.start();
  EXPECT_TRUE(registerBox(game)->hasFocus());
  game.run("foco");
  EXPECT_TRUE(game.traced("   0: setfoco= inp"));
  EXPECT_TRUE(screenOf(game).commandLine()->hasFocus());
  game.run("nada");
  EXPECT_TRUE(game.traced("   0: setfoco= qualquer"));
}

TEST(LoadFramePicture, TheWindowAndFrameTakeThePicturesSize) {
  TestGame game;
  QImage frame(640, 300, QImage::Format_RGB888);
  frame.fill(QColor(10, 80, 20));
  ASSERT_TRUE(writeBmp(game.folder() + "moldura2.bmp", frame));
  game.write("start.scp", "loadpainel moldura2.bmp\nloadpan\nloadpan falta.bmp\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: loadpainel moldura2.bmp"));
  EXPECT_TRUE(game.traced("   1: loadpan  <--- não informou o nome do arquivo"));
  EXPECT_TRUE(game.traced("   2: loadpan falta.bmp <--- arquivo não existe"));
  EXPECT_EQ(game.player().mainWindow().size(), QSize(640, 300));
  EXPECT_EQ(game.player().mainWindow().outerBook()->size(), QSize(640, 300));
  const QImage& shown = screenOf(game).frame().framePicture->picture();
  EXPECT_EQ(shown.size(), QSize(640, 300));
  EXPECT_EQ(shown.pixelColor(5, 5), QColor(10, 80, 20));
}

}  // namespace
}  // namespace taluvin
