// Screen models and surfaces: switching, clearing, scrolling, the console's top bar, the window tree.
#include "app/replay/replay_pointer.h"
#include "present/main_window.h"
#include "present/canvas.h"
#include "present/colors.h"
#include "present/screen.h"
#include "present/window_shape.h"
#include "base/run_abort.h"
#include "support/test_game.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {
taluvin::Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }
QColor bufferPixel(TestGame& game, int x, int y) { return screenOf(game).pictureBuffer().image().pixelColor(x, y); }
}  // namespace

TEST(ScreenModels, ColourIsReorderedAndMalformedColourAbortsWithItsPlatformText) {
  EXPECT_EQ(taluvin::paintColor("FF8000"), QColor(255, 128, 0));
  EXPECT_EQ(taluvin::platformColorText("112233"), "$332211");
  EXPECT_EQ(taluvin::platformColorText("zzzzzz"), "$zzzzzz");
  EXPECT_THROW(taluvin::paintColor("zzzzzz"), taluvin::RunAbort);
  EXPECT_EQ(taluvin::paintColor("", QColor(1, 2, 3)), QColor(1, 2, 3));
}

TEST(ScreenModels, EveryComponentIsFoundByItsName) {
  TestGame game;
  auto& window = game.player().mainWindow();
  for (const char* name : {"Abok0", "Imp", "btFim", "lbFim", "Abok2", "TelCmd", "Abok1", "Input", "Tela",
                           "Msg", "MsgMd0", "BarraTop", "Sbox2", "Tela3", "TelMod3", "moSbx", "moImg",
                           "moLb0", "moLb1", "Legda", "Sombra"})
    EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;
  // The map page and the hidden stores are made when first used; the replay naming one is a use.
  const auto lazyParts = {"InputReg", "WebB", "Sbc1", "MapJog", "Voce", "Memo1", "Memo3", "Objs", "BufShp", "GrpTmp", "BkTel", "Hud", "VzrBuf"};
  for (const char* name : lazyParts) EXPECT_EQ(window.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_NE(taluvin::surfaceNamed(game.player(), "Voce"), nullptr);
  for (const char* name : lazyParts) EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(screenOf(game).pictureScreen()->size(), QSize(596, 271));
  EXPECT_EQ(screenOf(game).pictureScreen()->grab().size(), QSize(596, 271));
  EXPECT_EQ(screenOf(game).pictureBuffer().image().format(), QImage::Format_RGB888);
}

TEST(ScreenModels, ModoKeepsTheSameModelWhileModeSwitchesAgain) {
  TestGame game;
  game.settings({{18, "0000FF"}, {26, "1"}});
  game.write("start.scp",
             "msg= ola\n"
             "cleartela FF0000\n"
             "modo= 1\n");
  game.write("again.scp",
             "msg= ola\n"
             "cleartela FF0000\n"
             "mode= 1\n");
  game.start();
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), "ola");
  EXPECT_EQ(bufferPixel(game, 5, 5), QColor(255, 0, 0));
  game.run("again");
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), "");
  EXPECT_EQ(bufferPixel(game, 5, 5), QColor(0, 0, 255));
}

TEST(ScreenModels, EachModelShowsItsPageAndMonitorIsScaledAndCentred) {
  TestGame game;
  game.write("start.scp", "mode= 0\n");
  game.write("web.scp", "mode= 2\n");
  game.write("page.scp", "mode= 3\n");
  game.write("monitor.scp", "mode= 4\n");
  game.start();
  auto& screen = screenOf(game);
  EXPECT_EQ(screen.gameBook()->currentPageName(), "0");
  game.run("web");
  EXPECT_EQ(screen.gameBook()->currentPageName(), "2");
  game.run("page");
  EXPECT_EQ(screen.gameBook()->currentPageName(), "3");
  EXPECT_EQ(screen.pageImage()->picture().size(), QSize(596 - 18, 323 - 10));
  game.run("monitor");
  const auto& s = game.player().session();
  const auto& m = s.screen.monitor;
  const QSize client = screen.monitorClientSize();
  EXPECT_EQ(s.model4Width, 640);
  EXPECT_EQ(s.model4Height, 420);
  EXPECT_TRUE(m.scaledWidth == client.width() || m.scaledHeight == client.height());
  EXPECT_EQ(m.left, (client.width() - m.scaledWidth) / 2);
  EXPECT_EQ(m.top, (client.height() - m.scaledHeight) / 2);
  EXPECT_EQ(m.boxX, static_cast<int>(m.scale * 5));
  EXPECT_EQ(screen.monitorBuffer().image().size(), QSize(m.scaledWidth, m.scaledHeight));
}

TEST(ScreenModels, CleartelaPaintsBufferAndScreenAndABadColourStopsTheRun) {
  TestGame game;
  game.write("start.scp",
             "cleartela 00FF00\n"
             "cleartela zzzzzz\n"
             "depois\n");
  game.start();
  EXPECT_EQ(bufferPixel(game, 100, 100), QColor(0, 255, 0));
  EXPECT_EQ(screenOf(game).pictureScreen()->picture().pixelColor(100, 100), QColor(0, 255, 0));
  EXPECT_TRUE(game.traced("'$zzzzzz' is not a valid integer value"));
  EXPECT_FALSE(game.traced("   2: depois "));
}

TEST(ScreenModels, ScrollShiftsTheBufferInEachDirectionWithTenthDefaults) {
  TestGame game;
  game.write("start.scp",
             "cleartela FF0000\n"
             "telacorfnd= 0000FF\n"
             "scroll\n");
  game.write("left.scp",
             "cleartela FF0000\n"
             "telacorfnd= 0000FF\n"
             "scroll left\n");
  game.write("down.scp",
             "cleartela FF0000\n"
             "telacorfnd= 0000FF\n"
             "scroll down,0,0,100,100,10\n");
  game.write("other.scp",
             "cleartela FF0000\n"
             "telacorfnd= 0000FF\n"
             "scroll diagonal,1,2\n");
  const QColor red(255, 0, 0), blue(0, 0, 255);
  game.start();
  EXPECT_TRUE(game.traced("   2: scroll up,0,0,596,271,27"));
  EXPECT_EQ(bufferPixel(game, 10, 243), red);
  EXPECT_EQ(bufferPixel(game, 10, 244), blue);
  EXPECT_EQ(bufferPixel(game, 10, 270), blue);
  game.run("left");
  EXPECT_TRUE(game.traced("   2: scroll left,0,0,596,271,59"));
  EXPECT_EQ(bufferPixel(game, 536, 10), red);
  EXPECT_EQ(bufferPixel(game, 537, 10), blue);
  game.run("down");
  EXPECT_EQ(bufferPixel(game, 50, 9), blue);
  EXPECT_EQ(bufferPixel(game, 50, 10), red);
  EXPECT_EQ(bufferPixel(game, 150, 5), red);
  game.run("other");
  EXPECT_TRUE(game.traced("   2: scroll diagonal,1,2,596,271,0"));
  EXPECT_EQ(bufferPixel(game, 10, 270), red);
}

TEST(ScreenModels, SavebufAndPutbufCopyTheScreenIntoTheBuffer) {
  TestGame game;
  game.write("start.scp",
             "cleartela 00FF00\n"
             "clearbuf FF0000\n"
             "putbuf\n");
  game.start();
  EXPECT_EQ(bufferPixel(game, 20, 20), QColor(0, 255, 0));
}

TEST(ScreenModels, BarratopOnTwiceShrinksTheConsoleTwice) {
  TestGame game;
  game.settings({{25, "323"}});
  game.write("start.scp",
             "mode= 0\n"
             "barratop\n"
             "barratop on\n");
  game.write("off.scp", "barratop off\n");
  game.start();
  auto* console = screenOf(game).consoleText();
  EXPECT_EQ(console->y(), 20);
  EXPECT_EQ(console->height(), 313 - 40);
  EXPECT_TRUE(game.traced("   2: barratop on"));
  game.run("off");
  EXPECT_EQ(console->y(), 5);
}

TEST(ScreenModels, CleartotalEmptiesTextsAndFillsEverySurface) {
  TestGame game;
  game.settings({{18, "123456"}});
  game.write("start.scp",
             "msg= texto\n"
             "cleartotal\n");
  game.start();
  auto& screen = screenOf(game);
  EXPECT_EQ(screen.messageStrip()->toPlainText(), "");
  EXPECT_EQ(screen.pageImage()->picture().pixelColor(3, 3), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(screen.panelBuffer().image().pixelColor(3, 3), QColor(0x12, 0x34, 0x56));
}

TEST(ScreenModels, WindowRegionLeavesOutMagentaPixels) {
  QImage frame = taluvin::blankImage(4, 2, QColor(10, 10, 10));
  frame.setPixelColor(1, 0, QColor(255, 0, 255));
  frame.setPixelColor(2, 0, QColor(255, 0, 255));
  const QRegion region = taluvin::regionWithoutMagenta(frame);
  EXPECT_TRUE(region.contains(QPoint(0, 0)));
  EXPECT_FALSE(region.contains(QPoint(1, 0)));
  EXPECT_FALSE(region.contains(QPoint(2, 0)));
  EXPECT_TRUE(region.contains(QPoint(3, 0)));
  EXPECT_TRUE(region.contains(QPoint(1, 1)));
}

TEST(ScreenModels, AGameOpenedInTheConsoleModelShowsTheConsoleEvenWhenModoKeepsIt) {
  TestGame game;
  game.settings({{26, "0"}});
  game.write("start.scp",
             "modo= 0\n"
             "efeito= direto\n"
             "msg= ola\n");
  game.start();
  EXPECT_EQ(screenOf(game).gameBook()->currentPageName(), "0");
  EXPECT_EQ(screenOf(game).consoleText()->toPlainText(), "ola");
}

TEST(ScreenModels, ClearbufLeavesTheScreenAndClearfuncFillsThePanelShownAtTheEnd) {
  TestGame game;
  game.write("start.scp",
             "cleartela 0000FF\n"
             "refresh\n"
             "clearbuf 00FF00\n"
             "clearfunc FF0000\n");
  game.write("monitor.scp",
             "mode= 4\n"
             "clearbuf 00FF00\n");
  game.start();
  auto& screen = screenOf(game);
  EXPECT_EQ(bufferPixel(game, 1, 1), QColor(0, 255, 0));
  EXPECT_EQ(screen.panelPicture()->picture().pixelColor(1, 1), QColor(255, 0, 0));
  game.run("monitor");
  EXPECT_EQ(screen.monitorBuffer().image().pixelColor(1, 1), QColor(0, 255, 0));
}
