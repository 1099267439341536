// "borda=": a border along the picture of the page the window shows, opening or game page.
#include "present/picture_commands.h"
#include "present/picture_file.h"
#include "script/interpreter.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::pictureOf;
using taluvin::testing::TestGame;

namespace {

void writeWhite(TestGame& game, const std::string& name, int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(0xFFFFFFFF);
  ASSERT_TRUE(taluvin::writeBmp(game.folder() + name, image));
}

}  // namespace

TEST(FrameBorder, BorderGoesAlongTheFramePictureOfTheGamePage) {
  TestGame game;
  writeWhite(game, "moldura.bmp", 100, 60);
  // Line 93 keeps the window unshaped.
  game.settings({{14, "moldura.bmp"}, {93, "*"}});
  game.write("start.scp",
             "borda= 3,00FF00\n"
             "reg= 1,seguiu\n");
  game.write("black.scp", "border= x\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: borda= "));
  EXPECT_EQ(game.reg(1), "seguiu") << "the line goes on to the next";
  const QImage& frame = pictureOf(game, "Imp");
  for (QPoint p : {QPoint(0, 0), QPoint(2, 30), QPoint(99, 59), QPoint(97, 30), QPoint(50, 57)})
    EXPECT_EQ(frame.pixel(p), 0xFF00FF00u) << p.x() << "," << p.y();
  EXPECT_EQ(frame.pixel(3, 30), 0xFFFFFFFFu) << "three pixels wide";
  EXPECT_EQ(frame.pixel(50, 30), 0xFFFFFFFFu);

  // A pen width that does not read is 1; the colour defaults to black.
  game.run("black");
  EXPECT_EQ(frame.pixel(0, 30), 0xFF000000u);
  EXPECT_EQ(frame.pixel(1, 30), 0xFF00FF00u);
}

TEST(FrameBorder, WhileTheOpeningPageShowsTheBorderGoesAlongTheOpeningPicture) {
  TestGame game;
  writeWhite(game, "abertura.bmp", 120, 80);
  writeWhite(game, "moldura.bmp", 100, 60);
  game.settings({{13, "abertura.bmp"}, {14, "moldura.bmp"}, {93, "*"}});
  game.write("start.scp", "");
  game.start();
  // Every run shows the game page first, so the command meets the opening page only when it is
  // called while that page is up.
  game.player().mainWindow().outerBook()->showPage("Abertura");
  taluvin::ScriptInterpreter& ip = game.player().interpreter();
  ip.Args = {};
  ip.Args[1] = "4";
  ip.Args[2] = "FF0000";
  taluvin::cmdBorder(ip);
  const QImage& opening = pictureOf(game, "TelAber");
  for (QPoint p : {QPoint(0, 0), QPoint(3, 40), QPoint(119, 79), QPoint(60, 76)})
    EXPECT_EQ(opening.pixel(p), 0xFFFF0000u) << p.x() << "," << p.y();
  EXPECT_EQ(opening.pixel(4, 40), 0xFFFFFFFFu) << "four pixels wide";
  EXPECT_EQ(pictureOf(game, "Imp").pixel(0, 0), 0xFFFFFFFFu) << "the frame is not touched";
}
