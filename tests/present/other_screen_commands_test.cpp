// align= in each screen model, and the download page.
#include "present/main_window.h"
#include "present/screen.h"
#include "support/test_game.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {
taluvin::Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }
Qt::Alignment alignmentOf(QPlainTextEdit* edit) { return edit->document()->defaultTextOption().alignment(); }
}  // namespace

TEST(OtherScreenCommands, AlignReachesTheCurrentModelsTextAndIgnoresOtherWords) {
  TestGame game;
  game.write("start.scp", "mode= 0\nalign= center\n");
  game.write("faixa.scp",
             "mode= 1\n"
             "align= right\n"
             "align= middle\n");
  game.write("monitor.scp", "mode= 4\nalign= center\n");
  game.start();
  auto& screen = screenOf(game);
  const auto& s = game.player().session();
  EXPECT_EQ(alignmentOf(screen.consoleText()), Qt::AlignHCenter);
  EXPECT_EQ(s.textAlignment, "center");
  game.run("faixa");
  EXPECT_EQ(alignmentOf(screen.messageStrip()), Qt::AlignRight);
  EXPECT_EQ(alignmentOf(screen.consoleText()), Qt::AlignHCenter);
  EXPECT_EQ(s.textAlignment, "right");
  game.run("monitor");
  EXPECT_EQ(s.screen.memoAlignment, "center");
  EXPECT_EQ(alignmentOf(screen.messageStrip()), Qt::AlignRight);
}

TEST(OtherScreenCommands, DownloadShowsItsPageUntilTheModelIsShownAgain) {
  TestGame game;
  game.write("start.scp", "download\n");
  game.write("volta.scp", "mode= 1\n");
  game.start();
  auto& screen = screenOf(game);
  EXPECT_EQ(screen.gameBook()->currentPageName(), "Down");
  auto* label = game.player().mainWindow().findChild<QLabel*>("Label2");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->font().bold());
  EXPECT_TRUE(label->font().italic());
  game.run("volta");
  EXPECT_EQ(screen.gameBook()->currentPageName(), "1");
}
