// The grey and tint filter on each surface and the rain over the frozen picture screen.
#include "present/picture_file.h"
#include "present/rain_effect.h"
#include "present/zone_drawing.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::screenOf;

namespace taluvin {
namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kYellow = 0xFFFFFF00;

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

void writeSolid(TestGame& game, const std::string& name, int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

// Three known pixels in the top-left corner: luminance 18, 123 and 250 (no halves to round).
void paintSamples(QImage& image) {
  image.setPixel(0, 0, qRgb(10, 20, 30));
  image.setPixel(1, 0, qRgb(200, 100, 40));
  image.setPixel(2, 0, qRgb(250, 250, 250));
  image.setPixel(0, 1, qRgb(10, 20, 1));
}

TEST(GreyFilter, LevelsShiftTheLuminanceAndStopAtTheEnds) {
  TestGame game;
  game.write("start.scp", "clearbuf 000000\n");
  game.write("claro.scp", "cinza= tel,000000,40,0,0,3,1\n");
  game.write("escuro.scp", "gray= tel,0,-40\n");
  game.start();
  QImage& buffer = screenOf(game).pictureBuffer().image();
  paintSamples(buffer);
  game.run("claro");
  EXPECT_TRUE(game.traced("   0: cinza= tel,000000,40,0,0,3,1"));
  EXPECT_EQ(at(buffer, 0, 0), qRgb(58, 58, 58));
  EXPECT_EQ(at(buffer, 1, 0), qRgb(163, 163, 163));
  EXPECT_EQ(at(buffer, 2, 0), qRgb(255, 255, 255));
  EXPECT_EQ(at(buffer, 0, 1), qRgb(10, 20, 1)) << "outside the rectangle";

  // Width and height 0 are the whole buffer.
  paintSamples(buffer);
  buffer.setPixel(buffer.width() - 1, buffer.height() - 1, qRgb(200, 100, 40));
  game.run("escuro");
  EXPECT_TRUE(game.traced("   0: gray= tel,0,-40,0,0,0,0"));
  EXPECT_EQ(at(buffer, 0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(at(buffer, 1, 0), qRgb(83, 83, 83));
  EXPECT_EQ(at(buffer, 2, 0), qRgb(210, 210, 210));
  EXPECT_EQ(at(buffer, buffer.width() - 1, buffer.height() - 1), qRgb(83, 83, 83));
}

TEST(GreyFilter, TintCapsEachChannelAndAPositiveLevelSetsAFloor) {
  TestGame game;
  game.write("start.scp", "clearfunc 000000\n");
  game.write("azul.scp", "cinza= fnc,0000FF,0,0,0,2,2\n");
  game.write("tom.scp", "cinza= fnc,804020,30,0,0,2,2\n");
  game.start();
  QImage& panel = screenOf(game).panelBuffer().image();
  paintSamples(panel);
  game.run("azul");
  EXPECT_EQ(at(panel, 0, 0), qRgb(0, 0, 30));
  EXPECT_EQ(at(panel, 1, 0), qRgb(0, 0, 40));
  EXPECT_EQ(at(panel, 0, 1), qRgb(0, 0, 1));
  EXPECT_EQ(at(panel, 2, 0), qRgb(250, 250, 250)) << "outside the rectangle";

  paintSamples(panel);
  panel.setPixel(1, 1, qRgb(100, 50, 10));
  game.run("tom");
  EXPECT_EQ(at(panel, 1, 0), qRgb(128, 64, 32)) << "capped";
  EXPECT_EQ(at(panel, 0, 1), qRgb(98, 34, 2)) << "raised to the byte less the level";
  EXPECT_EQ(at(panel, 1, 1), qRgb(100, 50, 10)) << "between floor and cap";
}

TEST(GreyFilter, FramePictureBadNumbersAndBadTargets) {
  TestGame game;
  game.write("start.scp", "cinza= xyz,000000\ncinza=\n");
  game.write("moldura.scp", "cinza= pan,zz,abc,q,-,,\n");
  game.write("longe.scp", "cinza= fnc,000000,0,2147483647,2147483647,2147483647,2147483647\n"
                          "cinza= fnc,000000,0,-5,-5,7,6\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: cinza= xyz <--- não definiu local corretamente"));
  EXPECT_TRUE(game.traced("   1: cinza=  <--- não definiu local corretamente"));

  QImage& frame = frameCanvas(screenOf(game));
  paintSamples(frame);
  game.run("moldura");
  EXPECT_TRUE(game.traced("   0: cinza= pan,zz,0,0,0,0,0"));
  EXPECT_EQ(at(frame, 1, 0), qRgb(123, 123, 123)) << "an unreadable colour is the grey filter";
  EXPECT_EQ(at(frame, 0, 1), qRgb(15, 15, 15));

  // A rectangle reaching past every edge touches only what lies inside.
  QImage& panel = screenOf(game).panelBuffer().image();
  paintSamples(panel);
  panel.setPixel(3, 0, qRgb(200, 100, 40));
  game.run("longe");
  EXPECT_EQ(at(panel, 1, 0), qRgb(123, 123, 123));
  EXPECT_EQ(at(panel, 3, 0), qRgb(200, 100, 40));
}

TEST(GreyFilter, ThePictureScreenActsOnlyInModelsOneAndThree) {
  TestGame game;
  game.write("start.scp", "clearbuf 000000\n");
  game.write("console.scp", "modo= 0\ncinza= tel,000000,0,0,0,2,1\n");
  game.write("pagina.scp", "modo= 3\n");
  game.write("tela.scp", "cinza= tel,000000,0,0,0,2,1\n");
  game.start();
  QImage& buffer = screenOf(game).pictureBuffer().image();
  paintSamples(buffer);
  game.run("console");
  EXPECT_EQ(at(buffer, 1, 0), qRgb(200, 100, 40)) << "model 0 leaves the picture screen alone";

  // Model 3 filters what Tela shows at once.
  game.run("pagina");
  QImage& tela = screenOf(game).pictureScreen()->picture();
  ASSERT_FALSE(tela.isNull());
  paintSamples(tela);
  game.run("tela");
  EXPECT_EQ(at(tela, 1, 0), qRgb(123, 123, 123));
  EXPECT_EQ(at(tela, 2, 0), qRgb(250, 250, 250));
  EXPECT_EQ(at(buffer, 1, 0), qRgb(200, 100, 40));
}

// The rain picture: magenta with one row of blue drops on top; the mask: magenta where the rain
// shows, green painted over it, white where the scene shows through.
void writeRainGame(TestGame& game) {
  QImage rain(12, 40, QImage::Format_RGB888);
  rain.fill(kMagenta);
  for (int x = 0; x < 12; ++x) rain.setPixel(x, 0, kBlue);
  ASSERT_TRUE(writeBmp(game.folder() + "chuva.bmp", rain));
  QImage mask(12, 40, QImage::Format_RGB888);
  mask.fill(kWhite);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 9; ++x) mask.setPixel(x, y, x < 6 ? kMagenta : kGreen);
  ASSERT_TRUE(writeBmp(game.folder() + "mascara.bmp", mask));
  writeSolid(game, "hud.bmp", 2, 2, kYellow);
}

TEST(Rain, FallsOverTheFrozenSceneBehindTheMaskWithTheHudOnTop) {
  TestGame game;
  writeRainGame(game);
  game.write("start.scp",
             "clearbuf FF0000\n"
             "chuva= chuva.bmp\n"
             "chuva= mask,mascara.bmp\n"
             "chuva= wgotas,5\n"
             "chuva= int,100000\n"
             "chuva= on\n"
             "hud= hud.bmp\n"
             "hud= on\n"
             "hud= 0,5\n"
             "clearbuf 00FF00\n");
  game.write("outra.scp", "");
  game.start();
  EXPECT_TRUE(game.traced("   2: chuva= mask,mascara.bmp"));
  EXPECT_TRUE(game.traced("   3: chuva= wgotas,5"));
  EXPECT_TRUE(game.traced("   4: chuva= ,100000"));
  EXPECT_TRUE(game.traced("   5: chuva= on"));
  Screen& screen = screenOf(game);
  RainEffect& rain = screen.rain();
  ASSERT_TRUE(rain.running());
  EXPECT_EQ(rain.intervalMs(), 100000);

  const QImage buffer = screen.pictureBuffer().image().copy();
  const QImage& tela = screen.pictureScreen()->picture();
  rain.tick();
  EXPECT_EQ(at(tela, 0, 0), kBlue) << "rain where the mask is magenta";
  EXPECT_EQ(at(tela, 7, 0), kGreen) << "the mask's own colour";
  EXPECT_EQ(at(tela, 10, 0), kRed) << "the scene where the mask is white";
  EXPECT_EQ(at(tela, 30, 0), kRed) << "the scene beyond the mask";
  EXPECT_EQ(at(tela, 0, 1), kRed) << "the scene frozen at the start, not the buffer drawn since";
  EXPECT_EQ(at(tela, 0, 5), kYellow);
  EXPECT_EQ(at(tela, 1, 6), kYellow);

  rain.tick();
  EXPECT_EQ(at(tela, 0, 0), kRed) << "the drops fell by the step";
  EXPECT_EQ(at(tela, 2, 5), kBlue);
  EXPECT_EQ(at(tela, 0, 5), kYellow) << "the HUD over the rain";
  for (int i = 0; i < 7; ++i) rain.tick();
  EXPECT_EQ(at(tela, 2, 0), kBlue) << "the bottom rows come back on top";
  EXPECT_EQ(screen.pictureBuffer().image(), buffer) << "the buffer is never drawn into";

  // Every run starts without rain.
  game.run("outra");
  EXPECT_FALSE(rain.running());
  EXPECT_TRUE(game.player().session().rain.picture.empty());
  EXPECT_EQ(rain.intervalMs(), 40);
}

TEST(Rain, BadArgumentsAndOtherModelsLeaveItOff) {
  TestGame game;
  writeRainGame(game);
  game.write("quebrada.bmp", "BM nothing");
  game.write("start.scp",
             "chuva= on\n"
             "chuva= sumida.bmp\n"
             "chuva= ../fora.bmp\n"
             "chuva= mask,mascara.bmp\n"
             "chuva= mask,sumida.bmp\n"
             "chuva= wgotas\n"
             "chuva= int,abc\n"
             "chuva= quebrada.bmp\n"
             "chuva= on\n");
  game.write("desliga.scp", "chuva= chuva.bmp\nchuva= on\nchuva= mask\nchuva= off\n");
  game.write("modelo.scp", "modo= 0\nchuva= chuva.bmp\nchuva= on\n");
  game.start();
  const GameSession& s = game.player().session();
  RainEffect& rain = screenOf(game).rain();
  EXPECT_TRUE(game.traced("   0: chuva= on"));
  EXPECT_TRUE(game.traced("   1: chuva= sumida.bmp <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   2: chuva= ../fora.bmp <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   4: chuva= mask,sumida.bmp <--- arquivo não existe"));
  EXPECT_EQ(s.rain.mask, "mascara.bmp") << "a missing mask keeps the old one";
  EXPECT_TRUE(game.traced("   5: chuva= wgotas,20"));
  EXPECT_TRUE(game.traced("   6: chuva= ,40"));
  bool unreadable = false;
  for (const std::string& line : game.trace())
    unreadable |= line.rfind("   8: chuva= on <--- imagem ilegível: ", 0) == 0;
  EXPECT_TRUE(unreadable);
  EXPECT_FALSE(rain.running());

  game.run("desliga");
  EXPECT_TRUE(game.traced("   2: chuva= mask,"));
  EXPECT_TRUE(game.traced("   3: chuva= off"));
  EXPECT_TRUE(s.rain.mask.empty());
  EXPECT_FALSE(rain.running());

  game.clearTrace();
  game.run("modelo");
  EXPECT_TRUE(game.traced("   1: chuva= "));
  EXPECT_FALSE(rain.running()) << "rain falls only on the picture screen of model 1";
}

}  // namespace
}  // namespace taluvin
