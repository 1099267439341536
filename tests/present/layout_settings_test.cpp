// Settings values the layout cannot use as written: unreadable colours and sizes past the budget.
#include "present/main_window.h"
#include "present/command_panel.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {

taluvin::Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }

constexpr const char* kColourAbort = "'$zz' is not a valid integer value";

bool withinBudget(const QImage& image) {
  return image.width() <= taluvin::kMaxSurfaceSide && image.height() <= taluvin::kMaxSurfaceSide &&
         qint64{image.width()} * image.height() <= taluvin::kMaxSurfacePixels;
}

}  // namespace

TEST(LayoutSettings, AnUnreadableColourWhenTheGameOpensIsSaidAndTheProgramGoesOn) {
  for (int line : {18, 19, 20, 21, 34, 40, 43, 71, 94}) {
    SCOPED_TRACE(line);
    TestGame game;
    game.settings({{line, "zz"}});
    game.write("start.scp", "reg= 1,jogou\n");
    ::testing::internal::CaptureStderr();
    game.start();
    const std::string err = ::testing::internal::GetCapturedStderr();
    const std::string said = "settings line " + std::to_string(line) + ": 'zz' is not a colour";
    EXPECT_TRUE(game.traced(said));
    EXPECT_NE(err.find("taluvin: " + said + "\n"), std::string::npos) << err;
    // Lines the preparation of every run reads again abort that run, as any unreadable colour in
    // a run does; the lines only the opening reads leave start.scp to play.
    const bool readByEveryRun = line == 18 || line == 19 || line == 40 || line == 43 || line == 94;
    EXPECT_EQ(game.traced(kColourAbort), readByEveryRun);
    EXPECT_EQ(game.reg(1), readByEveryRun ? "" : "jogou");
    game.quit();
    EXPECT_EQ(game.readLines("jogo.ini")[static_cast<size_t>(line)], "zz");  // the author's text stays
  }
}

TEST(LayoutSettings, AnUnreadableColourDuringARunAbortsOnlyThatRun) {
  // The console's colour is read by the runs that lay out page "0".
  for (int line : {18, 19, 34, 40, 43, 94}) {
    SCOPED_TRACE(line);
    TestGame game;
    game.settings({{26, "0"}});
    game.write("start.scp", "reg= 1,inicio\n");
    game.write("sala.scp", "reg= 1,sala\n");
    game.start();
    ASSERT_EQ(game.reg(1), "inicio");
    auto& settings = game.player().session().settings;
    settings.set(static_cast<size_t>(line), "zz");
    game.run("sala");
    EXPECT_TRUE(game.traced(kColourAbort));
    EXPECT_EQ(game.reg(1), "inicio");
    settings.set(static_cast<size_t>(line), "00FF00");
    game.run("sala");
    EXPECT_EQ(game.reg(1), "sala");
  }
}

TEST(LayoutSettings, SizesAndPositionsPastTheBudgetAreCutAndSaid) {
  TestGame game;
  game.settings({{11, "2147483647"},
                 {16, "2147483647"},
                 {22, "-2147483648"},
                 {47, "2147483647"},
                 {48, "2147483647"},
                 {50, "99999999"},
                 {58, "16384"},
                 {59, "16384"}});
  game.write("start.scp", "reg= 1,jogou\n");
  ::testing::internal::CaptureStderr();
  game.start();
  const std::string err = ::testing::internal::GetCapturedStderr();
  for (const char* said : {"settings line 11: '2147483647' is past the size limit",
                           "settings line 16: '2147483647' is past the size limit",
                           "settings line 22: '-2147483648' is past the size limit",
                           "settings line 47: '2147483647' is past the size limit",
                           "settings line 48: '2147483647' is past the size limit",
                           "settings line 50: '99999999' is past the size limit",
                           "settings line 59: '16384' is past the size limit"}) {
    EXPECT_TRUE(game.traced(said)) << said;
    EXPECT_NE(err.find(said), std::string::npos) << said;
  }
  EXPECT_EQ(game.reg(1), "jogou");
  taluvin::Screen& screen = screenOf(game);
  EXPECT_LE(game.player().mainWindow().width(), taluvin::kMaxSurfaceSide);
  EXPECT_LE(screen.panel().panelBook->height(), taluvin::kMaxSurfaceSide);
  EXPECT_TRUE(withinBudget(screen.panelBuffer().image()));
  EXPECT_TRUE(withinBudget(screen.panelPicture()->picture()));
  EXPECT_TRUE(withinBudget(screen.pictureBuffer().image()));
  EXPECT_TRUE(withinBudget(screen.pictureScreen()->picture()));
  EXPECT_EQ(screen.pictureScreen()->width(), 16384);  // 16384 x 16384 is past the pixels, not the side
  EXPECT_EQ(screen.pictureScreen()->height(), taluvin::kMaxSurfacePixels / 16384);
  EXPECT_LE(game.player().session().screen.style.size, taluvin::kMaxFontPoints);
}

TEST(LayoutSettings, AGameWithHugeSizesOpensQuicklyInTheRealProgram) {
  TestGame game;
  game.settings({{47, "2147483647"}, {12, "2147483647"}, {18, "zz"}, {71, "-1"}});
  game.write("start.scp", "pausa 0\n");
  auto run = taluvin::testing::runProgram({game.folder(), "--headless", "--start"}, 60000);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("taluvin: settings line 18: 'zz' is not a colour"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("taluvin: settings line 71: '-1' is not a colour"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("taluvin: settings line 47: '2147483647' is past the size limit"), std::string::npos);
}
