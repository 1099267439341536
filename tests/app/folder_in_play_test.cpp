// A game folder in play: a kill loses at most the running script, one player at a time, and an
// exit whose saves failed says so in its code.
#include "support/program_process.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

using taluvin::testing::fileBytes;
using taluvin::testing::ProgramProcess;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

// Bounds a hang on a loaded machine; the program itself does each step well inside a second.
constexpr int kHangMs = 60000;

// Every file of the folder with its bytes.
std::map<std::string, std::string> folderContents(const std::string& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    contents[entry.path().filename().string()] = fileBytes(entry.path().string());
  return contents;
}

bool lineIs(const TestGame& game, const char* file, size_t index, const std::string& value) {
  const auto lines = game.readLines(file);
  return lines.size() > index && lines[index] == value;
}

}  // namespace

TEST(FolderInPlay, AKilledPlayerIsResumedAtThePlaceItsLastRunReached) {
  TestGame game;
  game.settings({{10, "galpao"}});
  game.writeLines("jogo.obz", {"chave"});
  game.writeLines("jogo.obx", {"chave", "Chave", "", "galpao", "", "", "", ""});
  game.write("start.scp", "setobj= chave,loc,jog\nsetpos= sala2\n");
  game.write("galpao.scp", "/ no galpao\n");
  game.write("sala2.scp", "/ na sala2\n");
  game.write("espera.replay", "start\nwait 600000\n");
  {
    ProgramProcess program({game.folder(), "--headless", "--replay", game.folder() + "espera.replay"});
    // Killed once the run's whole set is on disk: objects and the game's settings.
    ASSERT_TRUE(program.waitUntil(
        [&] {
          return lineIs(game, "jogo.obx", 3, "jog") && lineIs(game, "jogo.ini", 10, "sala2");
        },
        kHangMs));
    program.sendSignal(SIGKILL);
    program.finish(kHangMs);
  }
  EXPECT_EQ(game.readLines("jogo.ini")[10], "sala2");
  EXPECT_EQ(game.readLines("jogo.ini").size(), 101u);

  // The killed program's hold on the folder went with it: the next one plays, and resumes there.
  game.write("retoma.replay", "resume\nquit\n");
  const std::string trace = game.beside() + "retoma.trace";
  const auto resumed =
      runProgram({game.folder(), "--headless", "--replay", game.folder() + "retoma.replay", "--trace", trace});
  EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
  const std::string traced = fileBytes(trace);
  EXPECT_NE(traced.find("Executando script: sala2.scp\n"), std::string::npos) << traced;
  EXPECT_NE(traced.find("   0: / na sala2\n"), std::string::npos) << traced;
  // Ended normally, the program leaves both settings files alike.
  EXPECT_EQ(game.readLines("taluvin.ini"), game.readLines("jogo.ini"));
}

TEST(FolderInPlay, ASecondPlayerOnAFolderInUseIsRefusedAndTouchesNothing) {
  TestGame game;
  game.write("start.scp", "reg+ 1,1\n");
  game.write("espera.replay", "start\nwait 600000\n");
  ProgramProcess first({game.folder(), "--headless", "--replay", game.folder() + "espera.replay"});
  // The start run's set is whole on disk (the registers are renamed last), its journal gone: the
  // first player writes nothing more.
  ASSERT_TRUE(first.waitUntil(
      [&] {
        return lineIs(game, "jogo.rgs", 1, "1") && lineIs(game, "jogo.ini", 7, "start") &&
               !game.exists(".taluvin-save");
      },
      kHangMs));
  const auto before = folderContents(game.folder());

  for (const std::vector<std::string>& second :
       {std::vector<std::string>{game.folder(), "--headless", "--start"},
        std::vector<std::string>{game.folder(), "--headless", "--load-save", "1"}}) {
    SCOPED_TRACE(second.back());
    const auto run = runProgram(second);
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("is in use by another player"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("taluvin:"), run.err.rfind("taluvin:")) << "more than one message:\n" << run.err;
  }
  EXPECT_EQ(folderContents(game.folder()), before);

  // Reading the folder is no play: these run beside the player.
  for (const std::vector<std::string>& reader :
       {std::vector<std::string>{"--check", game.folder()}, std::vector<std::string>{"--list-saves", game.folder()}}) {
    const auto run = runProgram(reader);
    EXPECT_NE(run.exitCode, 2) << reader.front() << ": " << run.err;
    EXPECT_EQ(run.err.find("in use"), std::string::npos) << run.err;
  }

  first.sendSignal(SIGTERM);
  EXPECT_EQ(first.finish(kHangMs).exitCode, 128 + SIGTERM);
  // Once the first has ended, the folder is free again.
  const auto after = runProgram({game.folder(), "--headless", "--start"});
  EXPECT_EQ(after.exitCode, 0) << after.err;
  EXPECT_EQ(game.readLines("jogo.rgs")[1], "2");
}

TEST(FolderInPlay, ASaveThatFailedEndsTheProgramWithCode3EvenWhenTheExitSaved) {
  TestGame game;
  game.write("start.scp", "reg+ 1,1\n");
  // The object file a run writes is a folder: every run's set fails. Opening the game reads no
  // objects from it, so the exit steps, which write objects only when there are some, go through.
  std::filesystem::create_directory(game.folder() + "jogo.obx");
  game.write("duas.replay", "start\nresume\nquit\n");
  const std::string trace = game.beside() + "duas.trace";
  const auto run =
      runProgram({game.folder(), "--headless", "--replay", game.folder() + "duas.replay", "--trace", trace});
  EXPECT_EQ(run.exitCode, 3) << run.err;
  const std::string said = "could not save jogo.obx";
  EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(said), run.err.rfind(said)) << "said more than once:\n" << run.err;
  // The program went on playing after the failed save: the resume ran (reading the registers the
  // failed save left on disk), and the exit saved its register.
  const std::string traced = fileBytes(trace);
  const std::string started = "Executando script: start.scp\n";
  EXPECT_NE(traced.find(started), traced.rfind(started)) << traced;
  EXPECT_EQ(game.readLines("jogo.rgs")[1], "1");
  EXPECT_EQ(game.readLines("jogo.ini").size(), 101u);
}
