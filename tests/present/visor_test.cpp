// The visor's views of a strip picture, its elements and its frame timer on the real screen.
#include "present/picture_file.h"
#include "present/visor_view.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <QTimer>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::stripPixel;
using taluvin::testing::writeStrip;
using taluvin::testing::pictureOf;
using taluvin::testing::screenOf;

namespace taluvin {
namespace {

void writeSolid(TestGame& game, const std::string& name, int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

TEST(VisorViews, PanoramasOpenInTheMiddleOrAtTheStartAndLeaveTheSceneAround) {
  TestGame game;
  writeStrip(game, "faixa.bmp", 400, 100);
  game.write("start.scp",
             "clearbuf FFFFFF\n"
             "visor= 180,10,20,100,50,faixa.bmp\n");
  game.write("volta.scp",
             "clearbuf FFFFFF\n"
             "visor= 360,10,20,100,50,faixa.bmp\n");
  game.write("falhas.scp",
             "clearbuf FFFFFF\n"
             "visor= 360,0,0,10,10,sumida.bmp\n"
             "visor= xyz\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: visor= 180,10,20,100,50,faixa.bmp,,0,0"));
  // Asked again at each look: a run may leave the picture a blank that is made when looked at.
  const auto tela = [&]() -> const QImage& { return pictureOf(game, "Tela"); };
  // The middle of the strip: x (400 - 100) / 2, y (100 - 50) / 2.
  EXPECT_EQ(tela().pixel(10, 20), stripPixel(150, 25));
  EXPECT_EQ(tela().pixel(109, 69), stripPixel(249, 74));
  EXPECT_EQ(tela().pixel(5, 5), qRgb(255, 255, 255)) << "the scene around the view";
  EXPECT_EQ(tela().pixel(110, 70), qRgb(255, 255, 255));

  game.run("volta");
  EXPECT_EQ(tela().pixel(10, 20), stripPixel(0, 0));
  EXPECT_EQ(tela().pixel(109, 69), stripPixel(99, 49));

  game.run("falhas");
  EXPECT_TRUE(game.traced("   1: visor= 360,0,0,10,10,sumida.bmp,,0,0 <--- não existe este arquivo"));
  EXPECT_TRUE(game.traced("   2: visor= xyz <--- não existe esta sub instrução"));
  EXPECT_FALSE(game.player().session().visor.defined) << "no strip, no view painted over the scene";
  EXPECT_EQ(tela().pixel(10, 20), qRgb(255, 255, 255));
}

TEST(VisorViews, AnimationShowsEachFrameInTurnOnItsTimerUntilTheNextRun) {
  TestGame game;
  writeStrip(game, "faixa.bmp", 400, 100);
  game.write("start.scp",
             "clearbuf FFFFFF\n"
             "visor= 000,10,20,100,100,faixa.bmp,,4,2\n");
  game.write("outra.scp", "clearbuf 000000\n");
  game.write("sem.scp", "visor= 000,0,0,50,50,faixa.bmp,,0,1\n");
  game.start();
  Screen& screen = screenOf(game);
  QTimer& timer = visorTimer(screen);
  EXPECT_TRUE(timer.isActive());
  EXPECT_EQ(timer.interval(), 30) << "speed 2 is 30 ms a frame";
  // Asked again at each look: a run may leave the picture a blank that is made when looked at.
  const auto tela = [&]() -> const QImage& { return pictureOf(game, "Tela"); };

  // Frames 0, 1, 2, 3, then 0 again, each 100 columns of the strip filling the view.
  for (int frame : {0, 1, 2, 3, 0}) {
    visorTick(screen);
    EXPECT_EQ(tela().pixel(10, 20), stripPixel(100 * frame, 0)) << frame;
    EXPECT_EQ(tela().pixel(60, 70), stripPixel(100 * frame + 50, 50)) << frame;
  }

  game.run("outra");
  EXPECT_FALSE(timer.isActive()) << "a run starts with the timer stopped";
  EXPECT_FALSE(game.player().session().visor.defined);
  visorTick(screen);
  EXPECT_EQ(tela().pixel(10, 20), qRgb(0, 0, 0)) << "a tick without a visor draws nothing";

  // No frames at all is one frame: the whole strip squeezed into the view.
  game.run("sem");
  EXPECT_TRUE(timer.isActive());
  visorTick(screen);
  visorTick(screen);
  // Squeezed eight to one: each pixel comes from the eight columns it stands for.
  EXPECT_LT(qRed(tela().pixel(0, 0)), 8);
  EXPECT_GE(qRed(tela().pixel(25, 0)), 200);
  EXPECT_LT(qRed(tela().pixel(25, 0)), 208);
}

TEST(VisorViews, FourWayViewFacesItsRegisterAndFillsTheExitsAfterIt) {
  TestGame game;
  writeStrip(game, "faixa.bmp", 400, 100);
  game.write("start.scp",
             "norte= sala_n\n"
             "leste= sala_l\n"
             "oeste= sala_o\n"
             "visor= 090,0,0,100,50,faixa.bmp,,10\n");
  game.write("sul.scp",
             "reg= 10,2\n"
             "visor= 090,0,0,100,50,faixa.bmp,,10\n"
             "visor= 090,0,0,100,50,faixa.bmp,,99999999\n");
  game.start();
  EXPECT_EQ(game.reg(10), "0") << "an empty facing register faces 0";
  EXPECT_EQ(game.reg(11), "sala_n");
  EXPECT_EQ(game.reg(12), "sala_l");
  EXPECT_EQ(game.reg(13), "0") << "no exit south";
  EXPECT_EQ(game.reg(14), "sala_o");
  // Asked again at each look: a run may leave the picture a blank that is made when looked at.
  const auto tela = [&]() -> const QImage& { return pictureOf(game, "Tela"); };
  EXPECT_EQ(tela().pixel(0, 0), stripPixel(0, 0));

  game.run("sul");
  EXPECT_TRUE(game.traced("   2: visor= 090,0,0,100,50,faixa.bmp,,99999999,0 <--- registrador fora de faixa"));
  // Facing 2 is the third quarter of the strip; the bad register left that visor standing.
  EXPECT_EQ(tela().pixel(0, 0), stripPixel(200, 0));
}

TEST(VisorViews, AStripNarrowerThanTheViewOrAnEmptyViewDrawsWhatExists) {
  TestGame game;
  writeStrip(game, "estreita.bmp", 40, 20);
  game.write("start.scp",
             "clearbuf FFFFFF\n"
             "visor= 180,0,0,100,50,estreita.bmp\n");
  game.write("volta.scp",
             "clearbuf FFFFFF\n"
             "visor= 360,0,0,100,20,estreita.bmp\n");
  game.write("vazia.scp", "visor= 000,0,0,0,0,estreita.bmp,,3,1\n");
  game.start();
  // Asked again at each look: a run may leave the picture a blank that is made when looked at.
  const auto tela = [&]() -> const QImage& { return pictureOf(game, "Tela"); };
  // Centred: the strip's corner lies 30 columns and 15 rows into the view, the rest is the brush.
  EXPECT_EQ(tela().pixel(30, 15), stripPixel(0, 0));
  EXPECT_EQ(tela().pixel(69, 34), stripPixel(39, 19));
  EXPECT_EQ(tela().pixel(80, 40), tela().pixel(5, 5));
  EXPECT_NE(tela().pixel(5, 5), stripPixel(0, 0));

  game.run("volta");
  EXPECT_EQ(tela().pixel(0, 0), stripPixel(0, 0));
  EXPECT_EQ(tela().pixel(39, 19), stripPixel(39, 19));

  game.run("vazia");
  visorTick(screenOf(game));
  EXPECT_TRUE(game.player().session().visor.defined) << "nothing to draw, and nothing broke";
}

TEST(VisorElements, SlotsWrapAfterTwentyAndPicturesSitOnTheScreenOrTheStrip) {
  TestGame game;
  writeStrip(game, "faixa.bmp", 400, 100);
  writeSolid(game, "verde.bmp", 6, 6, 0xFF00FF00);
  writeSolid(game, "azul.bmp", 6, 6, 0xFF0000FF);
  std::string script = "clearbuf FFFFFF\nvisor= img,60,100,,,azul.bmp\n";
  for (int i = 0; i < 19; ++i) script += "visor= img,60,100,,,azul.bmp\n";
  script +=
      "visor= img,12,22,6,6,verde.bmp,,sala\n"
      "visor= fig,170,50,6,6,azul.bmp\n"
      "visor= fig,0,0,,,sumida.bmp\n"
      "visor= 180,10,20,100,50,faixa.bmp\n";
  game.write("start.scp", script);
  game.start();
  EXPECT_TRUE(game.traced("  21: visor= img,12,22,6,6,verde.bmp,,sala,"));
  EXPECT_TRUE(game.traced("  23: visor= fig,0,0,596,271,sumida.bmp,,, <--- arquivo não existe"));
  const ZoneTable& zones = game.player().session().zones.table;
  EXPECT_EQ(zones.slot(100).firstValue, "verde.bmp") << "the 21st element reuses the first slot";
  EXPECT_EQ(zones.slot(100).cursorType, 1) << "an element with a script has the drag pointer";
  EXPECT_EQ(zones.slot(101).kind, "fig");
  EXPECT_EQ(zones.slot(102).firstValue, "azul.bmp") << "the missing picture took no slot";
  EXPECT_EQ(zones.slot(102).width, 596) << "width and height default to Tela's";

  // Asked again at each look: a run may leave the picture a blank that is made when looked at.
  const auto tela = [&]() -> const QImage& { return pictureOf(game, "Tela"); };
  EXPECT_EQ(tela().pixel(12, 22), 0xFF00FF00u) << "img: where it was put";
  // fig: on the strip, seen from offsets 150, 25, at (170 - 150, 50 - 25) of the screen.
  EXPECT_EQ(tela().pixel(20, 25), 0xFF0000FFu);
  EXPECT_EQ(tela().pixel(19, 25), stripPixel(159, 30));
  EXPECT_EQ(tela().pixel(62, 102), qRgb(255, 255, 255)) << "outside the view nothing is copied";
}

TEST(VisorElements, TextTakesTheSizeOfItsLetters) {
  TestGame game;
  writeStrip(game, "faixa.bmp", 400, 100);
  game.write("start.scp",
             "clearbuf FFFFFF\n"
             "visor= txt,15,25,,,FF0000B,Norte~livre\n"
             "visor= 360,10,20,200,50,faixa.bmp\n");
  game.start();
  const HotZone& text = game.player().session().zones.table.slot(100);
  EXPECT_EQ(text.secondValue, "FF0000B");
  EXPECT_GT(text.width, 20);
  EXPECT_LT(text.width, 200) << "the text's width, not Tela's";
  EXPECT_LT(text.height, 60);
  // Asked again at each look: a run may leave the picture a blank that is made when looked at.
  const auto tela = [&]() -> const QImage& { return pictureOf(game, "Tela"); };
  bool red = false;
  for (int y = 25; y < 25 + text.height; ++y)
    for (int x = 15; x < 15 + text.width; ++x) red = red || (qRed(tela().pixel(x, y)) > 200 && qGreen(tela().pixel(x, y)) < 60);
  EXPECT_TRUE(red) << "the letters in the element's colour";
}

}  // namespace
}  // namespace taluvin
