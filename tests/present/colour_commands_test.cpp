// The background and text colours with their settings-line defaults, and the picture-screen canvas's font.
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::pictureOf;
using taluvin::testing::screenOf;
using taluvin::testing::TestGame;

namespace {

// Whether any pixel of the rectangle has exactly this colour.
bool holds(const QImage& image, const QRect& rect, QColor colour) {
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

}  // namespace

TEST(ColourCommands, CorfndAndCortxtSetTheColoursAndFallBackToTheirOwnSettingsLines) {
  TestGame game;
  // Every colour line differs from its neighbours, so a default read from the wrong line shows.
  game.settings({{17, "101010"}, {18, "000080"}, {19, "FFFF00"}, {20, "0000FF"}, {21, "800080"}, {22, "202020"}});
  game.write("start.scp",
             "corfnd= 00FF00\n"
             "cortxt= FF0000\n"
             "cleartela\n"
             "btxt= MMMM,10,10,200,60,,B,0,30\n");
  game.write("defaults.scp",
             "corfnd= 00FF00\n"
             "cortxt= FF0000\n"
             "corfnd=\n"
             "cortxt=\n"
             "cleartela\n"
             "btxt= MMMM,10,10,200,60,,B,0,30\n");
  const auto& style = game.player().session().screen.style;
  game.start();
  EXPECT_TRUE(game.traced("   0: corfnd= 00FF00"));
  EXPECT_TRUE(game.traced("   1: cortxt= FF0000"));
  EXPECT_EQ(style.background, "00FF00");
  EXPECT_EQ(style.text, "FF0000");
  // The run's end shows the buffer: cleared in the background colour, written in the text colour.
  EXPECT_EQ(pictureOf(game, "Tela").pixelColor(300, 200), QColor(0, 255, 0));
  EXPECT_TRUE(holds(pictureOf(game, "Tela"), QRect(10, 10, 200, 60), QColor(255, 0, 0)));

  game.run("defaults");
  EXPECT_TRUE(game.traced("   2: corfnd= 000080"));
  EXPECT_TRUE(game.traced("   3: cortxt= FFFF00"));
  EXPECT_EQ(style.background, "000080");
  EXPECT_EQ(style.text, "FFFF00");
  EXPECT_EQ(style.link, "0000FF");
  EXPECT_EQ(style.visited, "800080");
  EXPECT_EQ(pictureOf(game, "Tela").pixelColor(300, 200), QColor(0, 0, 128));
  EXPECT_TRUE(holds(pictureOf(game, "Tela"), QRect(10, 10, 200, 60), QColor(255, 255, 0)));
}

TEST(ColourCommands, AColourThatDoesNotReadIsStoredAndFailsWhereItIsPainted) {
  TestGame game;
  game.settings({{19, "FFFF00"}});
  game.write("start.scp",
             "cortxt= gggggg\n"
             "reg= 1,guardou\n"
             "cleartela 000000\n"
             "reg= 2,nunca\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: cortxt= gggggg"));
  EXPECT_EQ(game.reg(1), "guardou");
  EXPECT_TRUE(game.traced("'$gggggg' is not a valid integer value"));
  EXPECT_EQ(game.reg(2), "");
}

TEST(ColourCommands, PictureScreenFontCommandsSetTheBufferCanvasUntilTheScreenIsCleared) {
  TestGame game;
  game.settings({{15, "Arial"}, {16, "12"}, {19, "FFFFFF"}});
  game.write("start.scp",
             "telacortxt= 00FF00\n"
             "telafntnome= Courier New\n"
             "telafntalt= 30\n");
  game.write("cleared.scp", "cleartela 000000\n");
  game.write("bad.scp",
             "telafntalt= grande\n"
             "reg= 1,nunca\n");
  game.write("badcolour.scp",
             "telacortxt= gggggg\n"
             "reg= 1,nunca\n");
  game.start();
  const taluvin::DrawStyle& canvas = screenOf(game).pictureBuffer().style;
  EXPECT_TRUE(game.traced("   0: telacortxt= "));
  EXPECT_TRUE(game.traced("   2: telafntalt= "));
  EXPECT_EQ(canvas.fontColor, QColor(0, 255, 0));
  EXPECT_EQ(canvas.face, "Courier New");
  EXPECT_EQ(canvas.size, 30);
  EXPECT_EQ(game.player().session().screen.style.face, "Arial") << "the text style is not the canvas's";
  EXPECT_EQ(game.player().session().screen.style.size, 12);

  // Clearing the screen gives the canvas the text style's font again.
  game.run("cleared");
  EXPECT_EQ(canvas.fontColor, QColor(255, 255, 255));
  EXPECT_EQ(canvas.face, "Arial");
  EXPECT_EQ(canvas.size, 12);

  game.run("bad");
  EXPECT_TRUE(game.traced("'grande' is not a valid integer value"));
  EXPECT_EQ(canvas.size, 12);
  game.run("badcolour");
  EXPECT_TRUE(game.traced("'$gggggg' is not a valid integer value"));
  EXPECT_EQ(game.reg(1), "");
}
