// The canvas text renderers: tokens, wrapping, the text position, links and the memo box.
#include "present/main_window.h"
#include "present/canvas_text.h"
#include "present/memo_box.h"
#include "present/memo_format.h"
#include "present/screen.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {
taluvin::Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }
}  // namespace

TEST(CanvasText, TokensKeepLinksWholeAndSplitLeadingLineBreaks) {
  const std::string text = "ver @o mapa|mapa&Prm=1| e \xA7\xA7" "fim de tudo";
  const std::vector<std::string> expected = {"ver ", "@o mapa|mapa&Prm=1|", " ", "e ", "\xA7", "\xA7", "fim ", "de ", "tudo"};
  EXPECT_EQ(taluvin::splitBoxTokens(text), expected);
  EXPECT_EQ(taluvin::splitBoxTokens("\xA7"), std::vector<std::string>{"\xA7"});
  EXPECT_EQ(taluvin::lineHeightFor(17), 25);
}

TEST(CanvasText, ALinkRightAfterALineBreakIsALinkAndKeepsTheBlankAfterIt) {
  // Its blank is a token of its own, as after a link anywhere else; taken with the link, it was
  // lost, since a link draws only its label: "Closethe logbook.".
  EXPECT_EQ(taluvin::splitBoxTokens("Abra \xA7@Close|fecha| the logbook."),
            (std::vector<std::string>{"Abra ", "\xA7", "@Close|fecha|", " ", "the ", "logbook."}));
  EXPECT_EQ(taluvin::splitBoxTokens("a \xA7\xA7@b|c|"), (std::vector<std::string>{"a ", "\xA7\xA7@b|c|"}))
      << "with no blank left the rest is one token, as anywhere";

  // The line after the break shows exactly what the same text shows as a first line: the box on
  // the scroll page, and the memo (which showed the link's markup itself).
  TestGame game;
  game.settings({{16, "12"}, {18, "FFFFFF"}, {19, "000000"}, {20, "0000FF"}, {21, "FF0000"}});
  game.write("start.scp", "mode= 3\n"
                          "btxt= Abra §@Close|fecha| the logbook.,0,0,400,0,,,0,12\n"
                          "btxt= @Close|fecha| the logbook.,0,100,400,0,,,0,12\n");
  game.start();
  const QImage page = screenOf(game).pageImage()->picture();
  EXPECT_TRUE(page.copy(0, 18, 400, 18) == page.copy(0, 100, 400, 18)) << "the box's second line differs";
  const auto& table = game.player().session().zones.table;
  EXPECT_EQ(table.slot(60).firstValue, "Close");
  EXPECT_EQ(table.slot(60).action, "fecha");

  auto memoImage = [&](const std::string& text) {
    game.write("memo.scp", "mode= 1\nmemo " + text + ",0,0,400,100\n");
    game.run("memo");
    return screenOf(game).memoBox().memoImage->picture();
  };
  const QImage afterBreak = memoImage("Abra §@Close|fecha| the logbook.");
  EXPECT_EQ(table.slot(60).firstValue, "Close");
  const QImage first = memoImage("@Close|fecha| the logbook.");
  EXPECT_TRUE(afterBreak.copy(0, 18, afterBreak.width(), 18) == first.copy(0, 0, first.width(), 18))
      << "the memo's second line differs";
}

TEST(CanvasText, NarrowBoxWrapsEveryWordAndTheTextGoesBelowTheLastRow) {
  TestGame game;
  game.write("start.scp",
             "mode= 3\n"
             "btxt= aaa bbb ccc,0,10,1,0,,,0,10\n");
  game.start();
  EXPECT_EQ(game.player().session().screen.textY, 10 + 3 * 15 + 15);
}

TEST(CanvasText, LineBreakSignBreaksOnTheScrollPageButIsDrawnOnThePictureScreen) {
  TestGame game;
  game.write("start.scp",
             "mode= 3\n"
             "btxt= um §dois,0,0,0,0,,,0,10\n"
             "btxt= fim §,0,100,0,0,,,0,10\n");
  game.write("picture.scp",
             "mode= 1\n"
             "btxt= um §dois,0,0,0,0,,,0,10\n");
  game.start();
  const auto& s = game.player().session().screen;
  EXPECT_EQ(s.textY, 100 + 2 * 15);
  game.run("picture");
  EXPECT_EQ(s.textY, 15);
}

TEST(CanvasText, ABoxNeedingMoreRowsGrowsThePage) {
  TestGame game;
  game.write("start.scp",
             "mode= 3\n"
             "btxt= a b c d e f g h i j k l m n o p q r s t u v w x y z,0,250,1,0,,,0,10\n");
  game.start();
  const int textY = game.player().session().screen.textY;
  EXPECT_EQ(textY, 250 + 26 * 15 + 15);
  EXPECT_GE(screenOf(game).pageImage()->picture().height(), textY - 15);
}

TEST(CanvasText, BoxDrawsItsColourAndEmptyTextStillDrawsSomething) {
  TestGame game;
  game.settings({{18, "000000"}});
  game.write("start.scp",
             "btxt= ,10,10,200,50,FFFFFF,,FF0000,12\n");
  game.start();
  const QImage& buffer = screenOf(game).pictureBuffer().image();
  EXPECT_EQ(buffer.pixelColor(205, 55), QColor(255, 0, 0));
  EXPECT_EQ(buffer.pixelColor(211, 61), QColor(0, 0, 0));
  bool white = false;
  for (int y = 10; y < 40 && !white; ++y)
    for (int x = 10; x < 100 && !white; ++x) white = buffer.pixelColor(x, y).lightness() > 200;
  EXPECT_TRUE(white);  // "Sem texto." was written
}

TEST(CanvasText, TwentyOneLinksOnThePictureScreenReuseTheFirstSlot) {
  TestGame game;
  std::string links;
  for (int i = 1; i <= 21; ++i) links += "@l" + std::to_string(i) + "|s" + std::to_string(i) + "| ";
  game.write("start.scp", "btxt= " + links + ",0,0,0,0,,,0,8\n");
  game.start();
  const auto& table = game.player().session().zones.table;
  EXPECT_EQ(table.slot(0).firstValue, "l21");
  EXPECT_EQ(table.slot(0).action, "s21");
  EXPECT_EQ(table.slot(1).firstValue, "l2");
  EXPECT_TRUE(table.slot(19).active);
}

TEST(CanvasText, MoneyFormatGroupsThousandsWithTwoDecimals) {
  EXPECT_EQ(taluvin::formatMoney("1234567.5"), "1.234.567,50");
  EXPECT_EQ(taluvin::formatMoney("12,345"), "12,35");
  EXPECT_EQ(taluvin::formatMoney("-3"), "-3,00");
  EXPECT_EQ(taluvin::formatMoney("abc"), "");
}

TEST(CanvasText, MemoThatFitsHidesItsScrollBarInAutoModeAndLongTextScrolls) {
  TestGame game;
  game.write("start.scp",
             "scrollbar= auto\n"
             "memo curto,10,10,200,100\n");
  game.write("long.scp",
             "memo muitas palavras para encher a caixa pequena de texto com muitas linhas que passam da "
             "altura visivel dela e ainda mais palavras depois,10,10,150,40\n");
  game.start();
  auto& box = screenOf(game).memoBox();
  EXPECT_TRUE(box.memoPanel->isVisibleTo(box.memoPanel->parentWidget()));
  EXPECT_FALSE(box.memoThumb->isVisibleTo(box.memoPanel));
  EXPECT_EQ(box.memoThumb->height(), 100);
  game.run("long");
  EXPECT_TRUE(box.memoThumb->isVisibleTo(box.memoPanel));
  EXPECT_GT(box.memoImage->picture().height(), 40);
  EXPECT_GT(box.travel, 0);
  box.wheel(-120);
  EXPECT_EQ(box.position, 5);
  EXPECT_EQ(box.memoImage->y(), -25);
}
