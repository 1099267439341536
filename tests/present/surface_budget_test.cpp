// Sizes and positions from script lines are cut to the surface budget and marked on the trace line.
#include "present/main_window.h"
#include "present/memo_box.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "support/test_game.h"

#include <QImage>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace {

taluvin::Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }

bool withinBudget(const QImage& image) {
  return image.width() <= taluvin::kMaxSurfaceSide && image.height() <= taluvin::kMaxSurfaceSide &&
         qint64{image.width()} * image.height() <= taluvin::kMaxSurfacePixels;
}

}  // namespace

TEST(SurfaceBudget, CutsSidesThenHeightToThePixelBudget) {
  using taluvin::boundedSurface;
  EXPECT_EQ(boundedSurface(640, 480), QSize(640, 480));
  EXPECT_EQ(boundedSurface(-5, 2147483647), QSize(0, 16384));
  EXPECT_EQ(boundedSurface(16384, 16384), QSize(16384, 4096));
  EXPECT_EQ(boundedSurface(int64_t{1} << 40, 100), QSize(16384, 100));
  EXPECT_EQ(taluvin::scaledBounded(2147483647.0 * 3), taluvin::kMaxCoordinate);
  EXPECT_EQ(taluvin::scaledBounded(-1e300), -taluvin::kMaxCoordinate);
}

TEST(SurfaceBudget, ScrollPageCommandsStopAtTheBudget) {
  TestGame game;
  game.write("start.scp",
             "modo= 3\n"
             "altura= 2000000000\n"
             "lnfeed= 2147483647\n"
             "lnfeed= 2147483647\n"
             "postxt= 5,999999999\n"
             "btxt= ola,0,2000000,100,100\n"
             "altura= 500\n"
             "reg= 1,fim\n");
  game.start();
  const std::string marker = " <--- tamanho fora do limite: ";
  EXPECT_TRUE(game.traced("   1: altura= 2000000000" + marker + "2000000000"));
  EXPECT_TRUE(game.traced("   2: lnfeed= " + marker + "2147483647"));
  // The position stayed within its range, so the second step adds to it without overflowing.
  EXPECT_TRUE(game.traced("   3: lnfeed= " + marker + std::to_string(taluvin::kMaxCoordinate + 2147483647LL)));
  EXPECT_TRUE(game.traced("   4: postxt= 5,999999999" + marker + "999999999"));
  EXPECT_TRUE(game.traced("   5: btxt= ola,0,2000000,100,100,,biu,,12" + marker + "2000100"));
  EXPECT_TRUE(game.traced("   6: altura= 500"));
  EXPECT_EQ(game.reg(1), "fim");
  EXPECT_EQ(screenOf(game).pageImage()->picture().height(), 500);
}

TEST(SurfaceBudget, HugeMemoScrollAndMonitorSizesAreCut) {
  TestGame game;
  game.write("start.scp",
             "memo ola,0,0,2000000000,2000000000\n"
             "scroll up,0,0,2000000000,2000000000,1\n"
             "scroll up,5,5,10000000,10000000,1\n"
             "scroll left,-2147483648,0,0,0,2147483647\n"
             "margem 2147483647,0,-2147483648\n"
             "modo= 4,2147483647,1\n"
             "btxt= ola,2000000000,0\n"
             "reg= 1,fim\n");
  game.start();
  const std::string marker = " <--- tamanho fora do limite: ";
  EXPECT_TRUE(game.traced("   0: memo " + marker + "2000000000" + marker + "2000000000"));
  EXPECT_TRUE(game.traced("   1: scroll up,0,0,16777216,16777216,1" + marker + "2000000000" + marker + "2000000000"));
  EXPECT_TRUE(game.traced("   2: scroll up,5,5,10000000,10000000,1"));
  EXPECT_TRUE(game.traced("   5: modo= " + marker + "2147483647"));
  EXPECT_TRUE(game.traced("   6: btxt= ola,16777216,0,16384,1,,biu,,12" + marker + "2000000000"));
  EXPECT_EQ(game.reg(1), "fim");
  taluvin::Screen& screen = screenOf(game);
  EXPECT_TRUE(withinBudget(screen.memoBox().memoImage->picture()));
  EXPECT_TRUE(withinBudget(screen.pictureBuffer().image()));
  EXPECT_TRUE(withinBudget(screen.monitorBuffer().image()));
  const auto& margins = game.player().session().screen.memoMargins;
  EXPECT_EQ(margins.left, taluvin::kMaxCoordinate);
  EXPECT_EQ(margins.top, -taluvin::kMaxCoordinate);
}

TEST(SurfaceBudget, HugePositionsOfPicturesLinksAndGridsStayInRange) {
  TestGame game;
  QImage picture(4, 4, QImage::Format_RGB888);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString(game.folder() + "p.bmp")));
  game.writeLines("jogo.obz", {"chave"});
  game.writeLines("jogo.obx", {"chave", "chave", "uma chave", "jog", "p.bmp", "", "", ""});
  game.write("start.scp",
             "modo= 3\n"
             "postxt= 16000000,16000000\n"
             "display= p.bmp,tel,2147483647,2147483647\n"
             "display= p.bmp,tel,0,0,2147483647,2147483647\n"
             "linktel= p.bmp,sala,2147483647,2147483647,2147483647,2147483647\n"
             "modo= 1\n"
             "dispobj= jog,tel,2147483647,2147483647,2147483647,2147483647,1\n"
             "dispobj= jog,fnc,-2147483648,0,2147483647,100,2147483647\n"
             "reg= 1,fim\n");
  game.start();
  EXPECT_EQ(game.reg(1), "fim");
  taluvin::Screen& screen = screenOf(game);
  EXPECT_TRUE(withinBudget(screen.pageImage()->picture()));
  EXPECT_LE(game.player().session().screen.textY, taluvin::kMaxCoordinate);
}

TEST(SurfaceBudget, AMemoFarLongerThanTheBudgetStopsAtTheTallestImage) {
  TestGame game;
  std::string words;
  for (int i = 0; i < 20000; ++i) words += "palavra" + std::to_string(i) + " ";
  game.write("start.scp", "memo " + words + ",0,0,300,200\nreg= 1,fim\n");
  game.write("curto.scp", "memo um dois,0,0,300,200\n");
  game.start();
  EXPECT_EQ(game.reg(1), "fim");
  taluvin::MemoBox& memo = screenOf(game).memoBox();
  EXPECT_EQ(memo.memoImage->picture().height(), taluvin::kMaxSurfaceSide);
  EXPECT_EQ(memo.memoImage->height(), taluvin::kMaxSurfaceSide);
  game.run("curto");
  EXPECT_EQ(memo.memoImage->picture().height(), 200);  // a short text keeps the memo's own height
  EXPECT_EQ(memo.memoImage->height(), 200);
}

TEST(SurfaceBudget, FontSizesPastTheBudgetAreCutAndMarked) {
  TestGame game;
  game.write("start.scp",
             "fonte= Arial,2147483647\n"
             "fntsize= -2147483648\n"
             "telafntalt= 99999\n"
             "msg= ola\n");
  game.start();
  const std::string marker = " <--- tamanho fora do limite: ";
  EXPECT_TRUE(game.traced("   0: fonte= Arial,2048,,normal,normal,normal" + marker + "2147483647"));
  EXPECT_TRUE(game.traced("   1: fntsize= -2048" + marker + "-2147483648"));
  EXPECT_TRUE(game.traced("   2: telafntalt= " + marker + "99999"));
  EXPECT_EQ(screenOf(game).pictureBuffer().style.size, taluvin::kMaxFontPoints);
}

// Lines the sanitizer build stopped at: a script number at an end of the int range added to a
// width, made into a rectangle's far edge, a text box's row or a font size. Each is cut (and marked
// where the command has a trace); ordinary numbers keep their trace as it was.
TEST(SurfaceBudget, NumbersAtTheEndsOfTheIntRangeLeaveNoSumOutOfRange) {
  TestGame game;
  QImage picture(4, 4, QImage::Format_RGB888);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString(game.folder() + "p.bmp")));
  game.writeLines("jogo.obz", {"chave"});
  game.writeLines("jogo.obx", {"chave", "chave", "uma chave", "jog", "p.bmp", "", "", ""});
  game.write("start.scp",
             "modo= 1\n"
             "display= hello,pan,-2147483648,0\n"
             "display= hello,tel,2147483647,-2147483648,0,0,2147483647\n"
             "hud= p.bmp\n"
             "hud= 2147483647,-2147483648\n"
             "hud= on\n"
             "inptreg= 1,0,-2147483648,100,0\n"
             "inptreg= 1,2147483647,2147483647,2147483647,-2147483648\n"
             "borda= 2147483647\n"
             "modo= 3\n"
             "display= hello,tel,0,2147483647,100,12\n"
             "modo= 4\n"
             "inptreg= 1,-2147483648,2147483647,-2147483648,2147483647\n"
             "display= hello,pan,10,20,0,0,12\n"
             "inptreg= 1,10,20,30,40\n"
             "modo= 1\n"
             "showobj= chave,tit,tel,2147483647,2147483647,2147483647,2147483647,2147483647\n"
             "showobj= chave,shp,tel,2147483647,-2147483648,2147483647,2147483647\n"
             "showobj= chave,tit,fnc,-2147483648,0,0,0,-2147483648\n"
             "inptdef= Arial,FFFFFF,000000,2147483647,1\n"
             "modo= 4\n"
             "inptdef= Arial,FFFFFF,000000,-2147483648,1\n"
             "reg= 1,fim\n");
  game.start();
  EXPECT_EQ(game.reg(1), "fim");
  const std::string marker = " <--- tamanho fora do limite: ";
  EXPECT_TRUE(game.traced("   1: display= hello,pan,-2147483648,0" + marker + "-2147483648"));
  EXPECT_TRUE(game.traced("   2: display= hello,tel,2147483647,-2147483648" + marker + "2147483647" + marker +
                          "-2147483648" + marker + "2147483647"));
  EXPECT_TRUE(game.traced("   4: hud= 2147483647,-2147483648" + marker + "2147483647" + marker + "-2147483648"));
  EXPECT_TRUE(game.traced("   6: inptreg= " + marker + "-2147483648"));
  EXPECT_TRUE(game.traced("  10: display= hello,tel,0,2147483647" + marker + "2147483647"));
  EXPECT_TRUE(game.traced("  13: display= hello,pan,10,20"));
  EXPECT_TRUE(game.traced("  14: inptreg= "));
  const taluvin::HudState& hud = game.player().session().hud;
  EXPECT_EQ(hud.x, taluvin::kMaxCoordinate);
  EXPECT_EQ(hud.y, -taluvin::kMaxCoordinate);
}
