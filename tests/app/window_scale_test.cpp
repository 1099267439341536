// --scale: the whole window drawn larger while scripts, zones and surface screenshots keep design pixels.
#include "app/player/window_scale.h"
#include "support/program_process.h"
#include "support/program_run.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

using taluvin::testing::ProgramProcess;
using taluvin::testing::runProgram;
using taluvin::testing::stripPixel;
using taluvin::testing::TestGame;
using taluvin::testing::writeStrip;

namespace taluvin {
namespace {

constexpr int kStripWidth = 40, kStripHeight = 30;
constexpr int kStripX = 10, kStripY = 20;

// A game whose start draws a position-coded strip as a zone on the picture screen; a click on the
// zone stores where it landed, in the zone's own pixels.
void writeStripGame(TestGame& game) {
  writeStrip(game, "faixa.bmp", kStripWidth, kStripHeight);
  game.write("start.scp", "linktel= faixa.bmp,sala," + std::to_string(kStripX) + "," + std::to_string(kStripY) + "\n");
  game.write("sala.scp", "getxy 1,2\nreg= 3,clicado\n");
}

std::string shotReplay(TestGame& game, const std::string& extra) {
  return "start\nscreenshot " + game.folder() + "janela.png\nscreenshot " + game.folder() + "tela.png Tela\n" + extra;
}

// The first device pixel of a colour in a screenshot, scanning rows from the top.
QPoint firstPixelOf(const QImage& shot, QRgb colour) {
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (shot.pixel(x, y) == colour) return QPoint(x, y);
  return QPoint(-1, -1);
}

TEST(WindowScale, DoubleScaleDrawsEveryDesignPixelAsASquareAndKeepsClicksInDesignPixels) {
  TestGame game;
  writeStripGame(game);
  // A click 7 right of and 4 below the zone's corner, in the pixels the script drew in.
  game.write("play.replay", shotReplay(game, "click " + std::to_string(kStripX + 7) + " " +
                                                 std::to_string(kStripY + 4) + "\nquit\n"));
  auto run = runProgram({game.folder(), "--headless", "--scale", "2", "--replay", game.folder() + "play.replay"});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  const QImage window(QString::fromStdString(game.folder() + "janela.png"));
  EXPECT_EQ(window.size(), QSize(2 * kDesignWidth, 2 * kDesignHeight)) << "the window as the player sees it";
  const QImage tela(QString::fromStdString(game.folder() + "tela.png"));
  EXPECT_EQ(tela.size(), QSize(596, 271)) << "a surface keeps the size scripts draw in";
  EXPECT_EQ(tela.pixel(kStripX + 5, kStripY + 3), stripPixel(5, 3));

  // Pixel (1, 1) of the strip is a 2 x 2 block starting one block right of and below the corner's.
  const QPoint second = firstPixelOf(window, stripPixel(1, 1));
  ASSERT_GE(second.x(), 2);
  const QPoint corner = second - QPoint(2, 2);
  EXPECT_EQ(corner.x() % 2, 0) << "design pixels start on even device pixels";
  EXPECT_EQ(corner.y() % 2, 0);
  for (int y = 0; y < kStripHeight; ++y)
    for (int x = 0; x < kStripWidth; ++x)
      for (int d = 0; d < 4; ++d) {
        const QPoint at = corner + QPoint(2 * x + d % 2, 2 * y + d / 2);
        ASSERT_EQ(window.pixel(at), stripPixel(x, y)) << "strip pixel " << x << "," << y << " at " << at.x() << ","
                                                       << at.y() << ": no smoothing between pixels";
      }

  const auto registers = game.readLines("jogo.rgs");
  ASSERT_GE(registers.size(), 4u);
  EXPECT_EQ(registers[3], "clicado") << "the zone answered a click given in design pixels";
  EXPECT_EQ(registers[1], "7");
  EXPECT_EQ(registers[2], "4");
}

TEST(WindowScale, SurfacesLookTheSameAtEveryScaleAndAFractionalOneSizesTheWindow) {
  auto shots = [](const std::string& scale) {
    TestGame game;
    writeStripGame(game);
    game.write("play.replay", shotReplay(game, "quit\n"));
    auto run = runProgram({game.folder(), "--headless", "--scale", scale, "--replay", game.folder() + "play.replay"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return std::make_pair(QImage(QString::fromStdString(game.folder() + "janela.png")),
                          QImage(QString::fromStdString(game.folder() + "tela.png")));
  };
  const auto [window1, tela1] = shots("1");
  const auto [window15, tela15] = shots("1.5");
  EXPECT_EQ(window1.size(), QSize(kDesignWidth, kDesignHeight));
  EXPECT_EQ(window15.size(), QSize(1350, 630));
  EXPECT_EQ(tela15.convertToFormat(QImage::Format_RGB32), tela1.convertToFormat(QImage::Format_RGB32))
      << "what a script drew is the same picture at any scale";
}

TEST(WindowScale, BadFactorsAreRefusedInOneLine) {
  for (const std::string bad : {"0", "two", "1.5x", "-2", "9", "nan", ""}) {
    auto run = runProgram({"--scale", bad, "--headless"});
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_EQ(run.err, "taluvin: --scale takes auto or a factor from 1 to 8 (such as 1.5 or 2), not '" + bad + "'\n");
  }
  auto missing = runProgram({"--headless", "--scale"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("--scale needs a factor or auto"), std::string::npos) << missing.err;
  EXPECT_NE(runProgram({"--help"}).out.find("--scale N"), std::string::npos);
}

TEST(WindowScale, AutoPicksTheLargestHalfStepThatFitsNinetyPercentOfTheScreen) {
  EXPECT_EQ(fittingScale(1920, 1080), 1.5) << "1350 x 630; 2 would need 1800 of the 1728 pixels";
  EXPECT_EQ(fittingScale(3840, 2160), 3.5) << "3150 x 1470 within 3456 x 1944";
  EXPECT_EQ(fittingScale(2560, 1440), 2.5);
  EXPECT_EQ(fittingScale(1280, 720), 1);
  EXPECT_EQ(fittingScale(1500, 1080), 1.5) << "exactly 90% of the width still fits";
  EXPECT_EQ(fittingScale(800, 600), 1) << "never below the design size";
  EXPECT_EQ(fittingScale(7680, 4320), 7.5);
  EXPECT_EQ(fittingScale(3840, 700), 1.5) << "a wide, low screen is held by its height";

  // Without --headless the screen is asked for: here an offscreen one of 3840 x 2160.
  TestGame game;
  writeStripGame(game);
  game.write("screens.json",
             R"({"screens": [{"name": "grande", "x": 0, "y": 0, "width": 3840, "height": 2160,)"
             R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  game.write("play.replay", shotReplay(game, "quit\n"));
  ProgramProcess program({game.folder(), "--replay", game.folder() + "play.replay"},
                         {{"QT_QPA_PLATFORM", "offscreen:configfile=" + game.folder() + "screens.json"}});
  const auto run = program.finish(60000);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(QImage(QString::fromStdString(game.folder() + "janela.png")).size(), QSize(3150, 1470));
}

}  // namespace
}  // namespace taluvin
