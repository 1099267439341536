// A replay waits for the player: no action, and not its end, while a run or a start is under way.
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <gtest/gtest.h>

using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

void writeDoor(TestGame& game) {
  QImage door(20, 10, QImage::Format_RGB32);
  door.fill(Qt::green);
  ASSERT_TRUE(door.save(QString::fromStdString(game.folder() + "porta.bmp")));
}

}  // namespace

TEST(ReplayWait, FirstActionsWaitForTheStartScriptOfStart) {
  TestGame game;
  writeDoor(game);
  game.write("start.scp", "pausa 30\nclearbuf 0000FF\nlinktel= porta.bmp,sala2,30,40\n");
  game.write("sala2.scp", "reg= 1,clicou\n");
  const std::string shot = game.folder() + "shot.png";
  game.write("play.replay", "screenshot " + shot + " Tela\nclick 35 45\n");
  const auto run = runProgram({game.folder(), "--headless", "--start", "--replay", game.folder() + "play.replay"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // The screenshot shows what start.scp drew, and the click found the zone it made.
  const QImage picture(QString::fromStdString(shot));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.pixel(5, 5), 0xFF0000FFu);
  const auto regs = game.readLines("jogo.rgs");
  ASSERT_GT(regs.size(), 1u);
  EXPECT_EQ(regs[1], "clicou");
}

TEST(ReplayWait, AClickOnTheOpeningPictureIsWaitedForUntilItsGameHasStarted) {
  TestGame game;
  game.write("start.scp", "pausa 10\nclearbuf 0000FF\n");
  const std::string shot = game.folder() + "shot.png";
  // The click waits out the double-click interval before it starts the game.
  game.write("play.replay", "click 450 200 TelAber\nscreenshot " + shot + " Tela\n");
  const auto run = runProgram({game.folder(), "--headless", "--replay", game.folder() + "play.replay"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage picture(QString::fromStdString(shot));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.pixel(5, 5), 0xFF0000FFu);
}

TEST(ReplayWait, ARunOfManyLinesIsNotCutShortByTheReplayOrItsEnd) {
  // 200,000 lines: far past the lines or the time after which the window's events get a turn.
  for (const std::string replay : {"", "wait 1\n", "start\n"}) {
    SCOPED_TRACE(replay.empty() ? std::string("an empty replay") : replay);
    TestGame game;
    game.write("start.scp", ":loop\nreg+ 1,1\nifreg< 1,100000,loop\n");
    game.write("play.replay", replay);
    std::vector<std::string> args = {game.folder(), "--headless", "--replay", game.folder() + "play.replay"};
    if (replay != "start\n") args.push_back("--start");
    const auto run = runProgram(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto regs = game.readLines("jogo.rgs");
    ASSERT_GT(regs.size(), 1u);
    EXPECT_EQ(regs[1], "100000");
  }
}
