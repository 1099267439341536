// Messages, console effects and text style commands.
#include "present/main_window.h"
#include "present/console_page.h"
#include "present/screen.h"
#include "present/shown_later.h"
#include "support/test_game.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {
taluvin::Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }
}  // namespace

TEST(MessageStyle, MsgShowsLineBreaksInTheStripAndMarksAnEmptyText) {
  TestGame game;
  game.write("start.scp",
             "msg= um§dois\n"
             "msg+ ~tres\n"
             "msg=\n");
  game.write("two.scp",
             "msg= um§dois\n"
             "msg+ ~tres\n"
             "linefeed\n"
             "msg+ x\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: msg= um§do..."));
  EXPECT_TRUE(game.traced("   2: msg= ...<-Falta texto!!!"));
  game.run("two");
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), "um\ndois tres\nx");
}

TEST(MessageStyle, QuoteTextsFollowEachOtherInTheStripAndGoToTheLineStoreOnThePage) {
  TestGame game;
  game.write("start.scp",
             "'um'\n"
             "'dois'\n"
             "mode= 3\n"
             "'tres\n"
             "quatro'\n"
             "texto cinco\n"
             "fim\n");
  game.start();
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), "umdois");
  EXPECT_EQ(game.player().session().screen.lineStore, (taluvin::Lines{"tres quatro", "cinco"}));
}

TEST(MessageStyle, ScrollUpPadsTheConsoleToItsLineCountBeforeTheFirstLine) {
  TestGame game;
  game.settings({{25, "323"}, {33, "16"}});
  game.write("start.scp",
             "mode= 0\n"
             "efeito= scrollup\n"
             "veltec= 0\n"
             "msg= abc\n"
             "efeito= direct\n");
  game.start();
  const QStringList lines = screenOf(game).console().lines();
  ASSERT_EQ(lines.size(), 313 / 16);
  EXPECT_EQ(lines.last(), "abc");
  EXPECT_EQ(lines.first(), "");
  EXPECT_TRUE(game.traced("   4: efeito= direct <- efeito não implementado"));
  EXPECT_EQ(game.player().session().screen.consoleEffect, "scrollup");
}

TEST(MessageStyle, TypewriterAndDirectOutputBothReachTheConsole) {
  TestGame game;
  game.write("start.scp",
             "mode= 0\n"
             "veltec= 0\n"
             "msg= ab\n"
             "efeito= direto\n"
             "msg+ cd\n"
             "linefeed\n"
             "veltec= x\n");
  game.start();
  EXPECT_EQ(screenOf(game).consoleText()->toPlainText(), "abcd\n");
  EXPECT_TRUE(game.traced("   6: veltec= 7"));
  EXPECT_EQ(game.player().session().typingSpeed, 7);
}

TEST(MessageStyle, FntstyReadsOnlyCapitalLettersInTheirPlaces) {
  TestGame game;
  game.write("start.scp", "fntsty= B\n");
  game.write("lower.scp", "fntsty= bIU\n");
  game.write("all.scp", "fntsty= BIU\n");
  const auto& st = game.player().session().screen.style;
  game.start();
  EXPECT_TRUE(st.bold && !st.italic && !st.underline);
  // The console's page is hidden in this model, and so is the strip in this game: their fonts
  // wait there for them to show.
  EXPECT_TRUE(taluvin::shownFont(screenOf(game).consoleText()).bold());
  game.run("lower");
  EXPECT_TRUE(!st.bold && st.italic && st.underline);
  EXPECT_TRUE(taluvin::shownFont(screenOf(game).messageStrip()).italic());
  game.run("all");
  EXPECT_TRUE(st.bold && st.italic && st.underline);
}

TEST(MessageStyle, FonteWithOnlyAFaceKeepsSizeAndColourAndSwitchesStylesOff) {
  TestGame game;
  game.settings({{16, "12"}, {19, "FFFFFF"}, {67, "BIU"}});
  game.write("start.scp",
             "fonte= Verdana\n"
             "fonte= ,20,00FF00,s,,s\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: fonte= Verdana,12,FFFFFF,normal,normal,normal"));
  EXPECT_TRUE(game.traced("   1: fonte= Verdana,20,00FF00,bold,normal,undelined,"));
}

TEST(MessageStyle, ColourCommandsFallBackToTheirSettingsLines) {
  TestGame game;
  game.settings({{20, "0000FF"}, {21, "800080"}, {15, "Arial"}});
  game.write("start.scp",
             "corlnk= 111111\n"
             "corlnk=\n"
             "corvzk=\n"
             "fntface=\n"
             "fntsize= x\n");
  game.start();
  const auto& st = game.player().session().screen.style;
  EXPECT_EQ(st.link, "0000FF");
  EXPECT_EQ(st.visited, "800080");
  EXPECT_TRUE(game.traced("   1: corlnk= 0000FF"));
  EXPECT_TRUE(game.traced("   3: fntface= Arial"));
  EXPECT_TRUE(game.traced("   4: fntsize= 12"));
}

TEST(MessageStyle, PostxtWorksOnlyOnTheScrollPageAndDollarKeepsACoordinate) {
  TestGame game;
  game.write("start.scp",
             "postxt= 5,5\n"
             "mode= 3\n"
             "postxt= 15,20\n"
             "postxt= $,40\n"
             "linefeed\n"
             "lnfeed=\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: postxt=  <--- não está no modo 3"));
  const auto& s = game.player().session().screen;
  EXPECT_EQ(s.textX, 15);
  EXPECT_EQ(s.textY, 40 + 18 + 10);  // a line of the 12-point page font, then 10 pixels
}

TEST(MessageStyle, LnfeedPastThePageGrowsItAndAlturaSetsItsHeight) {
  TestGame game;
  game.write("start.scp",
             "mode= 3\n"
             "lnfeed= 500\n");
  game.write("height.scp",
             "mode= 3\n"
             "altura= 700\n"
             "altura= x\n");
  game.start();
  auto& screen = screenOf(game);
  EXPECT_EQ(screen.pageImage()->picture().height(), 500);
  game.run("height");
  EXPECT_TRUE(game.traced("   1: altura= 700"));
  EXPECT_TRUE(game.traced("   2: altura= 313"));
  EXPECT_EQ(screen.pageImage()->picture().height(), 313);
}
