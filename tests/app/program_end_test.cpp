// Ending the program: signals, closing the window and the end countdown stop any run and still save.
#include "support/program_process.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include "present/main_window.h"

#include <QElapsedTimer>
#include <QImage>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>

using taluvin::testing::ProgramProcess;
using taluvin::testing::TestGame;

namespace {

// Generous: these bound a hang on a loaded machine; the program itself ends well inside a second.
constexpr int kPromptMs = 5000;
constexpr int kHangMs = 60000;

}  // namespace

TEST(ProgramEnd, SigtermAndSigintEndALoopingRunThroughTheExitSteps) {
  const std::pair<const char*, const char*> loops[] = {
      {"a loop that pauses", ":volta\nreg+ 2,1\npausa 1\ngoto volta\n"},
      {"a loop that never waits", ":volta\nreg+ 2,1\ngoto volta\n"},
  };
  for (int signal : {SIGTERM, SIGINT}) {
    for (const auto& [kind, loop] : loops) {
      SCOPED_TRACE(std::string(kind) + ", signal " + std::to_string(signal));
      TestGame game;
      game.write("start.scp", std::string("reg= 1,pronto\nsaveregs\n") + loop);
      ProgramProcess program({game.folder(), "--headless", "--start"});
      ASSERT_TRUE(program.waitUntil(
          [&] {
            const auto regs = game.readLines("jogo.rgs");
            return regs.size() > 1 && regs[1] == "pronto";
          },
          kHangMs));
      QElapsedTimer clock;
      clock.start();
      program.sendSignal(signal);
      const auto run = program.finish(kHangMs);
      EXPECT_EQ(run.exitCode, 128 + signal) << run.err;
      EXPECT_LT(clock.elapsed(), kPromptMs);
      EXPECT_EQ(game.readLines("jogo.ini").size(), 101u);
      EXPECT_EQ(game.readLines("taluvin.ini").size(), 101u);
      // The exit steps saved the registers as the loop left them.
      const auto regs = game.readLines("jogo.rgs");
      ASSERT_GT(regs.size(), 2u);
      EXPECT_GT(std::atoi(regs[2].c_str()), 0);
    }
  }
}

// The saved registers say "pronto" in register 1.
bool saidReady(TestGame& game) {
  const auto regs = game.readLines("jogo.rgs");
  return regs.size() > 1 && regs[1] == "pronto";
}

TEST(ProgramEnd, SigtermEndsAGrowingPageLoopWithinTwoSecondsAndKeepsThePageWithinItsBudget) {
  // Twenty thousand lines of a hundred letters and more: the page reaches its budget before the
  // loop says it is ready; a page without one grew by tens of megabytes a second and was laid out
  // in full before the program ended.
  TestGame game;
  const std::string line = "msg+ " + std::string(100, 'p') + " <a href=Scp=sala>sala</a>\n";
  game.write("start.scp", "modo= 2\n:enche\n" + line + "reg+ 2,1\nifreg< 2,80000,enche\n"
                          "reg= 1,pronto\nsaveregs\n:volta\n" + line + "goto volta\n");
  ProgramProcess program({game.folder(), "--start"});
  ASSERT_TRUE(program.waitUntil([&] { return saidReady(game); }, kHangMs));
  QElapsedTimer clock;
  clock.start();
  program.sendSignal(SIGTERM);
  const auto run = program.finish(kHangMs);
  EXPECT_EQ(run.exitCode, 143) << run.err;
  EXPECT_LT(clock.elapsed(), 2000);
  // The page file is written once more as the run stops: cut, with the marker before its tail.
  const auto page = game.readLines("tmp.htm");
  ASSERT_GE(page.size(), 5u);
  EXPECT_EQ(page[page.size() - 4], "<br>[\u2026]");
  EXPECT_LT(std::filesystem::file_size(game.folder() + "tmp.htm"), std::uintmax_t{9} * 1024 * 1024);
}

TEST(ProgramEnd, SigtermEndsAMegabyteMessageWithinTwoSecondsInEveryModel) {
  // One word of a megabyte: laid out whole, it held the program for minutes in the console and
  // the web view.
  const std::string megabyte(1024 * 1024, 'x');
  const std::pair<const char*, std::string> cases[] = {
      {"the console, typed out", "modo= 0\n"},
      {"the console, at once", "modo= 0\nefeito= direto\n"},
      {"the console, scrolled up", "modo= 0\nefeito= scrollup\n"},
      {"the message strip", "modo= 1\n"},
      {"the web page, shown at the run's end", "modo= 2\n"},
      {"the scroll page", "modo= 3\n"},
  };
  for (const auto& [where, model] : cases) {
    SCOPED_TRACE(where);
    TestGame game;
    game.write("start.scp", model + "reg= 1,pronto\nsaveregs\nmsg= " + megabyte + "\n");
    // Without --headless the program stays open after the start script, as for a player.
    ProgramProcess program({game.folder(), "--start"});
    ASSERT_TRUE(program.waitUntil([&] { return saidReady(game); }, kHangMs));
    QElapsedTimer clock;
    clock.start();
    program.sendSignal(SIGTERM);
    const auto run = program.finish(kHangMs);
    EXPECT_EQ(run.exitCode, 143) << run.err;
    EXPECT_LT(clock.elapsed(), 2000);
  }
}

TEST(ProgramEnd, ClosingTheWindowEndsACountdownASoundAndAPausingLoopAtOnce) {
  const char* waits[] = {"encerrar 30\ndepois\n", "playsnd longo.wav,on\ndepois\n", ":volta\npausa 1\ngoto volta\n"};
  for (const char* wait : waits) {
    SCOPED_TRACE(wait);
    TestGame game;
    taluvin::testing::writeToneWav(game.folder() + "longo.wav", 30.0);
    game.write("start.scp", std::string("/ pronto\n") + wait);
    game.atTraced("   0: / pronto", [&game] { game.player().mainWindow().close(); });
    QElapsedTimer clock;
    clock.start();
    game.start();
    EXPECT_LT(clock.elapsed(), kPromptMs);
    EXPECT_TRUE(game.player().quitRequested());
    // The run stopped where it waited: nothing after the wait ran.
    EXPECT_FALSE(game.traced("   2: depois "));
  }
}

TEST(ProgramEnd, ClosingTheWindowDuringTypedOutTextShowsTheRestAtOnce) {
  TestGame game;
  // Twenty thousand letters: even without their 7 ms waits, typing them out one by one takes long.
  game.write("start.scp", "modo= 0\n/ pronto\nmsg= " + std::string(20000, 'x') + "\ndepois\n");
  game.atTraced("   1: / pronto", [&game] { game.player().mainWindow().close(); });
  QElapsedTimer clock;
  clock.start();
  game.start();
  EXPECT_LT(clock.elapsed(), kPromptMs);
  EXPECT_TRUE(game.player().quitRequested());
  EXPECT_FALSE(game.traced("   3: depois "));
}

TEST(ProgramEnd, ACountdownThatIsLeftAloneStillEndsTheProgramAfterItsScript) {
  TestGame game;
  game.write("start.scp", "encerrar 1\ndepois\n");
  QElapsedTimer clock;
  clock.start();
  game.start();
  EXPECT_GE(clock.elapsed(), 900);
  EXPECT_TRUE(game.player().quitRequested());
  EXPECT_TRUE(game.traced("   1: depois "));
}

TEST(ProgramEnd, ALoopOfSlowLinesStillLetsTheWindowCloseQuickly) {
  TestGame game;
  // Decoding a picture this size takes tens of milliseconds a line: counted in lines, the window's
  // events would wait tens of minutes for their turn.
  QImage big(2000, 2000, QImage::Format_RGB32);
  big.fill(Qt::blue);
  ASSERT_TRUE(big.save(QString::fromStdString(game.folder() + "grande.png")));
  game.write("start.scp", "/ pronto\n:volta\ndisplay= grande.png\ngoto volta\n");
  game.atTraced("   0: / pronto", [&game] { game.player().mainWindow().close(); });
  QElapsedTimer clock;
  clock.start();
  game.start();
  EXPECT_LT(clock.elapsed(), kPromptMs);
  EXPECT_TRUE(game.player().quitRequested());
}
