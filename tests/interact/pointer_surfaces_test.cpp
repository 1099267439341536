// The scroll page's links and wheel, the end button's pictures, and caption clicks.
#include "present/main_window.h"
#include "app/replay/replay_pointer.h"
#include "present/picture_file.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "state/game_session.h"
#include "support/test_game.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QApplication>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

void writeSolid(TestGame& game, const std::string& name, int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

ReplayOutcome pointer(TestGame& game, ReplayOutcome (*action)(Player&, const ReplayStep&),
                      std::vector<std::string> args) {
  return action(game.player(), ReplayStep{0, "pointer", std::move(args)});
}

Screen& screen(TestGame& game) { return game.player().mainWindow().screen(); }

TEST(ScrollPageLinks, LinksFlowRightwardAndTheirClicksRunEveryAction) {
  TestGame game;
  writeSolid(game, "botao.bmp", 30, 20, 0xFF3366CC);
  game.write("start.scp",
             "mode= 3\n"
             "linktel= botao.bmp,picFmap\n"
             "linktel= botao.bmp,sala\n"
             "linktel= botao.bmp,alto,0,400\n");
  game.write("sala.scp", "fim\n");
  game.write("picFmap.scp", "fim\n");
  game.start();
  const ZoneTable& table = game.player().session().zones.table;
  EXPECT_EQ(table.slot(60).left, 0);
  EXPECT_EQ(table.slot(61).left, 30) << "the second link starts where the first ended";
  EXPECT_EQ(table.slot(61).top, 0);
  EXPECT_EQ(table.slot(61).action, "sala");
  EXPECT_FALSE(table.slot(0).active) << "scroll-page links have their own range";
  // A link below the page's end makes it grow to hold it.
  EXPECT_GE(screen(game).pageImage()->picture().height(), 430);
  EXPECT_EQ(screen(game).scrollPicture()->picture().pixel(10, 410), 0xFF3366CCu);

  pointer(game, replayClick, {"35", "10", "Tela3"});
  EXPECT_TRUE(game.traced("Executando script: sala.scp"));
  // On the scroll page even "picFmap" is a script name.
  game.run("start");
  pointer(game, replayClick, {"5", "5", "Tela3"});
  EXPECT_TRUE(game.traced("Executando script: picFmap.scp"));
}

TEST(ScrollPageLinks, WheelOverTheScrollPageMovesItsBox) {
  TestGame game;
  writeSolid(game, "alto.bmp", 50, 900, 0xFF808080);
  game.write("start.scp", "mode= 3\ndisplay= alto.bmp,tel,0,0\n");
  game.start();
  QScrollBar* bar = screen(game).scrollPage().scrollBox->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  pointer(game, replayWheel, {"-1", "Tela3"});
  EXPECT_EQ(bar->value(), std::min(120, bar->maximum()));
  pointer(game, replayWheel, {"1", "Tela3"});
  EXPECT_EQ(bar->value(), 0);
}

TEST(EndButton, PressShowsThePressedPictureAndReleaseTheRaisedOne) {
  TestGame game;
  writeSolid(game, "U-bot1.bmp", 10, 10, 0xFF00AA00);
  writeSolid(game, "D-bot1.bmp", 10, 10, 0xFFAA0000);
  game.write("start.scp", "fim\n");
  game.start();
  PictureView* button = screen(game).endButton();
  EXPECT_EQ(button->picture().pixel(5, 5), 0xFF00AA00u);
  pointer(game, replayPress, {"5", "5", "btFim"});
  EXPECT_EQ(button->picture().pixel(5, 5), 0xFFAA0000u);
  EXPECT_FALSE(game.player().quitRequested());
  pointer(game, replayRelease, {"5", "5", "btFim"});
  EXPECT_EQ(button->picture().pixel(5, 5), 0xFF00AA00u);
  EXPECT_TRUE(game.player().quitRequested());
}

TEST(PictureScreenScript, PressingTheScreenOrItsCaptionRunsIt) {
  TestGame game;
  game.write("start.scp", "legenda= Olhe,10,10,100,30\n");
  game.write("olhar.scp", "fim\n");
  game.start();
  GameSession& s = game.player().session();
  s.zones.screenScript = "olhar";
  pointer(game, replayClick, {"300", "200"});
  EXPECT_TRUE(game.traced("Executando script: olhar.scp"));
  EXPECT_TRUE(s.zones.screenScript.empty()) << "every run starts without one";

  game.clearTrace();
  s.zones.screenScript = "olhar";
  QLabel* caption = screen(game).caption();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), caption->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(caption, &press);
  EXPECT_TRUE(game.traced("Executando script: olhar.scp"));
}

}  // namespace
}  // namespace taluvin
