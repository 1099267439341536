// Undo and quit: Ctrl+Z and Ctrl+Q through the real program and in-process, the steps kept on disk.
#include "app/saves/undo_actions.h"
#include "present/main_window.h"
#include "state/undo_steps.h"
#include "support/event_wait.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

namespace fs = std::filesystem;

std::string line(const std::vector<std::string>& lines, size_t index) {
  return index < lines.size() ? lines[index] : std::string("<missing>");
}

// A counter: every click on the door adds 1 to register 1; the hall only shows the door again.
void writeCounter(TestGame& game) {
  QImage door(20, 10, QImage::Format_RGB32);
  door.fill(Qt::green);
  ASSERT_TRUE(door.save(QString::fromStdString(game.folder() + "porta.bmp")));
  game.write("start.scp", "reg= 1,0\nsetpos= sala\nlinktel= porta.bmp,soma,30,40\n");
  game.write("sala.scp", "linktel= porta.bmp,soma,30,40\n");
  game.write("soma.scp", "reg+ 1,1\nlinktel= porta.bmp,soma,30,40\n");
}

std::string undoFolder() { return std::string(std::getenv("XDG_DATA_HOME")) + "/taluvin/undo/jogo/"; }

// The numbers of the steps written so far, oldest first.
std::vector<int> stepsOnDisk() {
  std::vector<int> numbers;
  std::error_code ec;
  for (fs::directory_iterator it(undoFolder(), ec), end; !ec && it != end; it.increment(ec))
    if (const std::string name = it->path().filename().string(); name.rfind(".tmp-", 0) != 0)
      numbers.push_back(std::stoi(name));
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

}  // namespace

TEST(Undo, CtrlZTakesBackTheLastClickAndCtrlQEndsBeforeTheNextAction) {
  TestGame game;
  writeCounter(game);
  game.write("play.replay", "click 35 45\nclick 35 45\nclick 35 45\nkey Ctrl+Z\nkey Ctrl+Q\nclick 35 45\n");
  const auto run = runProgram({game.folder(), "--headless", "--start", "--trace", game.folder() + "trace.txt",
                               "--replay", game.folder() + "play.replay"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string trace = fileBytes(game.folder() + "trace.txt");
  EXPECT_NE(trace.find("undone (sala)"), std::string::npos) << trace;
  EXPECT_EQ(line(game.readLines("jogo.rgs"), 1), "2") << "the third click taken back, the click after Ctrl+Q never run";
  // The exit steps ran: the program's own settings file is theirs alone.
  const auto programSettings = game.readLines("taluvin.ini");
  EXPECT_GE(programSettings.size(), 101u);
  EXPECT_EQ(line(programSettings, 10), "sala");

  // Over the list of slots, which takes the keyboard, Ctrl+Q still ends the program.
  game.write("play.replay", "key Ctrl+L\nkey Ctrl+Q\nclick 35 45\n");
  const auto fromList = runProgram({game.folder(), "--headless", "--start", "--replay", game.folder() + "play.replay"});
  ASSERT_EQ(fromList.exitCode, 0) << fromList.err;
  EXPECT_EQ(line(game.readLines("jogo.rgs"), 1), "0");
}

TEST(Undo, StepsOutliveTheProgramAndTheOldestGoBeyondTheirNumber) {
  TestGame game;
  writeCounter(game);
  game.start();
  for (int i = 0; i < 25; ++i) game.run("soma");
  ASSERT_EQ(game.reg(1), "25");
  game.quit();
  game.restart();

  // Started over in the same folder: the start run is a step too, and the steps on disk are the
  // only ones the new program has.
  game.start();
  ASSERT_EQ(game.reg(1), "0");
  taluvin::undoLastRun(game.player());
  EXPECT_EQ(game.reg(1), "25");
  EXPECT_TRUE(game.traced("undone (sala)"));
  EXPECT_EQ(line(game.readLines("jogo.rgs"), 1), "25") << "restored as one set through the writer";
  taluvin::undoLastRun(game.player());
  EXPECT_EQ(game.reg(1), "24");

  // Twenty steps are kept: the start's and those of the last nineteen clicks.
  for (int i = 0; i < 30; ++i) taluvin::undoLastRun(game.player());
  EXPECT_EQ(game.reg(1), std::to_string(25 - static_cast<int>(taluvin::UndoSteps::kKept) + 1));
  EXPECT_TRUE(game.traced("nothing to undo"));
  EXPECT_TRUE(stepsOnDisk().empty());
}

TEST(Undo, NothingToUndoRefusedWhileARunGoesOnAndADamagedStepSkipped) {
  TestGame game;
  writeCounter(game);
  game.write("espera.scp", "reg+ 1,10\n/ marca\npausa 50\nlinktel= porta.bmp,soma,30,40\n");
  game.start();
  taluvin::undoLastRun(game.player());
  EXPECT_TRUE(game.traced("nothing to undo")) << "the first start of a game keeps no step";

  game.atTraced("   1: / marca", [&] {
    QCoreApplication::postEvent(&game.player().mainWindow(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier));
  });
  game.run("espera");
  QCoreApplication::processEvents();
  EXPECT_TRUE(game.traced("not undone: a script is running"));
  EXPECT_EQ(game.reg(1), "10");

  game.run("soma");
  game.run("soma");
  ASSERT_EQ(game.reg(1), "12");
  // Three steps: before "espera" (0), before each "soma" (10, 11). The newest loses its registers.
  taluvin::undoLastRun(game.player());  // writes are done once an undo has looked at the disk
  EXPECT_EQ(game.reg(1), "11");
  game.run("soma");
  game.run("soma");
  ASSERT_EQ(game.reg(1), "13");
  // Steps now before: espera (0), soma (10), soma (11), soma (12); they are written off the click.
  ASSERT_TRUE(taluvin::testing::waitUntil([] { return stepsOnDisk().size() == 4; }));
  const std::string newest = std::to_string(stepsOnDisk().back());
  fs::resize_file(undoFolder() + newest + "/jogo.rgs", 1);
  game.clearTrace();
  taluvin::undoLastRun(game.player());
  EXPECT_TRUE(game.traced("undo step " + newest + " is damaged: its jogo.rgs does not hold what was saved; nothing restored"));
  EXPECT_EQ(game.reg(1), "11") << "the damaged step skipped, the one before it restored";
}
