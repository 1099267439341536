// Debugging from the command line: --break, --break-register, the replay's step and continue, the inspector.
#include "support/program_process.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <csignal>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::ProgramProcess;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

constexpr int kHangMs = 60000;

const char* kFourRegisters = "reg= 1,a\nreg= 2,b\nreg= 3,c\nreg= 4,d\n";

// Registers 1 to 4 as saved, joined by "|".
std::string firstFour(TestGame& game) {
  const auto regs = game.readLines("jogo.rgs");
  std::string joined;
  for (size_t i = 1; i <= 4; ++i) joined += (i < regs.size() ? regs[i] : std::string("?")) + (i < 4 ? "|" : "");
  return joined;
}

}  // namespace

TEST(Debugging, BreakStepScreenshotAndQuitLeaveTheLaterLinesUnrun) {
  TestGame game;
  game.write("start.scp", kFourRegisters);
  const std::string shot = game.folder() + "inspector.png";
  game.write("r.replay", "step\nscreenshot " + shot + " Inspector\nquit\n");
  auto run = runProgram({game.folder(), "--headless", "--start", "--break", "start.scp:2", "--replay",
                         game.folder() + "r.replay"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(firstFour(game), "a|b||");
  EXPECT_FALSE(QImage(QString::fromStdString(shot)).isNull());
  EXPECT_NE(run.err.find("stopped at start.scp:2 (breakpoint)"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("stopped at start.scp:3 (stepped)"), std::string::npos) << run.err;

  // "continue" runs to the end; the replay's own "start" stops as --start does.
  game.write("c.replay", "start\ncontinue\nquit\n");
  run = runProgram({game.folder(), "--headless", "--break", "START:3", "--replay", game.folder() + "c.replay"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(firstFour(game), "a|b|c|d");

  // "stop-run" ends the run as a failure does; Ctrl+Shift+I opens the inspector without a stop.
  const std::string trace = game.folder() + "trace.txt";
  const std::string opened = game.folder() + "opened.png";
  game.write("s.replay", "start\nstop-run\nquit\n");
  run = runProgram({game.folder(), "--headless", "--break", "start.scp:4", "--replay", game.folder() + "s.replay",
                    "--trace", trace});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(fileBytes(trace).find("the run was stopped at a breakpoint\nin start.scp, line 4: reg= 4,d\n"),
            std::string::npos)
      << fileBytes(trace);
  game.write("i.replay", "key Ctrl+Shift+I\nscreenshot " + opened + " Inspector\nquit\n");
  run = runProgram({game.folder(), "--headless", "--start", "--replay", game.folder() + "i.replay"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_FALSE(QImage(QString::fromStdString(opened)).isNull());
}

TEST(Debugging, BreakRegisterStopsAfterTheChangingLineAndStepWithoutAStopIsAReplayError) {
  TestGame game;
  game.write("start.scp", kFourRegisters);
  game.write("q.replay", "quit\n");
  auto run = runProgram({game.folder(), "--headless", "--start", "--break-register", "3", "--replay",
                         game.folder() + "q.replay"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(firstFour(game), "a|b|c|");
  EXPECT_NE(run.err.find("stopped at start.scp:3 (register 3 changed from \"\" to \"c\")"), std::string::npos)
      << run.err;

  game.write("s.replay", "step\n");
  run = runProgram({game.folder(), "--headless", "--start", "--replay", game.folder() + "s.replay"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("s.replay:1: 'step' needs a run stopped at a breakpoint"), std::string::npos) << run.err;

  // While stopped only what looks at the run, lets it go on or ends the program is taken.
  game.write("k.replay", "click 5 5\n");
  run = runProgram({game.folder(), "--headless", "--start", "--break", "start.scp:1", "--replay",
                    game.folder() + "k.replay"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("'click' cannot be taken while a run is stopped"), std::string::npos) << run.err;
}

TEST(Debugging, BadBreakArgumentsAreNamedAndAMissingScriptIsOnlyAWarning) {
  TestGame game;
  game.write("start.scp", kFourRegisters);
  for (const char* bad : {"start.scp", "start.scp:0", "start.scp:x", ":3"}) {
    SCOPED_TRACE(bad);
    const auto run = runProgram({game.folder(), "--headless", "--break", bad});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--break takes"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Usage:"), std::string::npos);
  }
  auto run = runProgram({game.folder(), "--headless", "--break-register", "-1"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("--break-register takes a register number"), std::string::npos) << run.err;

  run = runProgram({game.folder(), "--headless", "--start", "--break", "nada.scp:2"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("--break nada.scp:2: the game folder has no such script"), std::string::npos) << run.err;
  EXPECT_EQ(firstFour(game), "a|b|c|d");
}

TEST(Debugging, SigtermWhileStoppedEndsThroughTheExitSteps) {
  TestGame game;
  game.write("start.scp", kFourRegisters);
  const std::string trace = game.folder() + "trace.txt";
  ProgramProcess program({game.folder(), "--headless", "--start", "--inspect", "--break", "start.scp:3", "--trace",
                          trace});
  ASSERT_TRUE(program.waitUntil(
      [&] { return fileBytes(trace).find("taluvin: stopped at start.scp:3") != std::string::npos; }, kHangMs));
  program.sendSignal(SIGTERM);
  const auto run = program.finish(kHangMs);
  EXPECT_EQ(run.exitCode, 128 + SIGTERM) << run.err;
  EXPECT_EQ(firstFour(game), "a|b||");
  EXPECT_EQ(game.readLines("jogo.ini").size(), 101u);
}
