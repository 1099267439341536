// Where the memo box puts its lines: the margins of "margem" and the alignment directives.
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::pictureOf;
using taluvin::testing::TestGame;

namespace {

// The columns and rows holding dark (text) pixels on the memo's white image.
struct Ink {
  int left = -1, right = -1, top = -1;
};

Ink inkOf(const QImage& image) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y).lightness() >= 128) continue;
      if (ink.left < 0 || x < ink.left) ink.left = x;
      if (x > ink.right) ink.right = x;
      if (ink.top < 0) ink.top = y;
    }
  return ink;
}

// A memo of one word, 300 pixels wide (its text image 290), after the given margins and alignment.
Ink memoInk(TestGame& game, const std::string& margins, const std::string& align) {
  game.write("memo.scp",
             "margem " + margins + "\n"
             // The "~" keeps "#" from starting the line, where it would name a register.
             "msg= ~#align," + align + " MMMM\n"
             "memo $,0,0,300,100\n");
  game.run("memo");
  return inkOf(pictureOf(game, "moImg"));
}

class MemoLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    game.settings({{16, "12"}, {18, "FFFFFF"}, {19, "000000"}});
    game.write("start.scp", "");
    game.start();
  }
  TestGame game;
};

TEST_F(MemoLayout, MargemSetsEachMarginInItsPlaceAndUnreadableValuesCountAsZero) {
  game.write("margins.scp", "margem 1,2,3,4\n");
  game.run("margins");
  const auto& m = game.player().session().screen.memoMargins;
  EXPECT_EQ(m.left, 1);
  EXPECT_EQ(m.right, 2);
  EXPECT_EQ(m.top, 3);
  EXPECT_EQ(m.bottom, 4);
  game.write("bad.scp", "margem x,5\n");
  game.run("bad");
  EXPECT_EQ(m.left, 0);
  EXPECT_EQ(m.right, 5);
  EXPECT_EQ(m.top, 0);
  EXPECT_EQ(m.bottom, 0);
}

TEST_F(MemoLayout, LeftMarginMovesLeftTextRightMarginMovesRightTextTopMarginMovesTheFirstLine) {
  const Ink plain = memoInk(game, "0,0,0,0", "left");
  ASSERT_GE(plain.left, 0) << "the memo drew no text";
  const Ink plainRight = memoInk(game, "0,0,0,0", "right");

  EXPECT_EQ(memoInk(game, "40,0,0,0", "left").left, plain.left + 40);
  EXPECT_EQ(memoInk(game, "0,40,0,0", "left").left, plain.left) << "the right margin does not move left text";
  EXPECT_EQ(memoInk(game, "0,40,0,0", "right").right, plainRight.right - 40);
  EXPECT_EQ(memoInk(game, "0,0,30,0", "left").top, plain.top + 30);
}

TEST_F(MemoLayout, CentredTextSitsHalfwayBetweenWhereLeftAndRightTextWouldStart) {
  // Free space = image width - text - margins: right text starts after all of it, centred text
  // after half of it, left text after the left margin.
  const Ink left = memoInk(game, "0,0,0,0", "left");
  const Ink right = memoInk(game, "0,0,0,0", "right");
  const Ink centre = memoInk(game, "0,0,0,0", "center");
  ASSERT_GT(right.left, left.left + 100);
  const int bearing = left.left;  // the ink's distance from where the text is written
  EXPECT_EQ(centre.left - bearing, (right.left - bearing) / 2);

  const Ink rightWithMargins = memoInk(game, "30,50,0,0", "right");
  const Ink centreWithMargins = memoInk(game, "30,50,0,0", "center");
  EXPECT_EQ(rightWithMargins.left, right.left - 80);
  EXPECT_EQ(centreWithMargins.left - bearing, (rightWithMargins.left - bearing) / 2);

  // The alignment stays for the next memo until a directive changes it.
  game.write("again.scp",
             "margem 0,0,0,0\n"
             "memo MMMM,0,0,300,100\n");
  game.run("again");
  EXPECT_EQ(inkOf(pictureOf(game, "moImg")).left, centre.left);
  EXPECT_EQ(game.player().session().screen.memoAlignment, "center");
}

}  // namespace
