// `--new`: the template game for each screen model opens, plays a short replay, and refuses a used folder.
#include "app/newgame/new_game.h"
#include "present/monitor_window.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;

namespace {

namespace fs = std::filesystem;

class NewGame : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    beside_ = fs::temp_directory_path() / ("taluvin-new-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(beside_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(beside_, ignored);
  }

  // Writes the template for the model, plays the replay through it and returns the trace.
  std::string playTemplate(int model, const std::string& replay) {
    const fs::path folder = beside_ / ("jogo" + std::to_string(model));
    auto made = runProgram({"--new", folder.string(), "--model", std::to_string(model)});
    EXPECT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find("screen model " + std::to_string(model)), std::string::npos) << made.out;
    std::ofstream(beside_ / "play.replay") << replay;
    const fs::path trace = beside_ / "trace.txt";
    auto run = runProgram({folder.string(), "--headless", "--start", "--replay", (beside_ / "play.replay").string(),
                           "--trace", trace.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    obx_ = fileBytes(folder / (folder.filename().string() + ".obx"));
    return fileBytes(trace);
  }

  fs::path beside_;
  std::string obx_;
};

bool traced(const std::string& all, const std::string& line) { return all.find(line + "\n") != std::string::npos; }

// Every model's template walks north into the study, takes the lamp there, and saves it as carried;
// no command of the template reports a failure on the way.
void expectWalkedAndTookTheLamp(const std::string& all, const std::string& obx) {
  EXPECT_TRUE(traced(all, "Executando script: start.scp")) << all;
  EXPECT_TRUE(traced(all, "   4: reset objs")) << all;
  EXPECT_TRUE(traced(all, "Executando script: sala2.scp")) << all;
  EXPECT_TRUE(traced(all, "   2: pegaobj lanterna")) << all;
  EXPECT_EQ(all.find("<---"), std::string::npos) << all;
  EXPECT_EQ(all.find("script não existe"), std::string::npos) << all;
  EXPECT_EQ(obx.rfind("lanterna\r\nan old lamp\r\n", 0), 0u) << obx;
  EXPECT_NE(obx.find("\r\njog\r\nlanterna.png\r\n"), std::string::npos) << obx;
}

TEST_F(NewGame, ConsoleGameIsPlayedByTypedPhrases) {
  const std::string all = playTemplate(0, "type north\nkey Return\ntype take lamp\nkey Return\n");
  expectWalkedAndTookTheLamp(all, obx_);
  EXPECT_TRUE(traced(all, "   6: display= sala2.png,fnc,0,0,210,95")) << all;
}

TEST_F(NewGame, PictureScreenGameIsPlayedByClickingTheDoorAndTheLamp) {
  const std::string all = playTemplate(1, "click 298 135\nclick 430 176\n");
  expectWalkedAndTookTheLamp(all, obx_);
  EXPECT_TRUE(traced(all, "   4: display= sala2.png,tel,0,0,0,0")) << all;
}

TEST_F(NewGame, WebPageGameIsPlayedByFollowingLinks) {
  const std::string all = playTemplate(2, "link north\nlink Take\n");
  expectWalkedAndTookTheLamp(all, obx_);
}

TEST_F(NewGame, ScrollPageGameIsPlayedByClickingLinkWords) {
  const std::string all = playTemplate(3, "click 350 232 Tela3\nclick 190 250 Tela3\n");
  expectWalkedAndTookTheLamp(all, obx_);
}

TEST_F(NewGame, MonitorGameIsPlayedByClickingTheDoorAndTheLamp) {
  // The monitor fills the offscreen screen of 800 x 600 at a scale of 1.25: these points are the
  // middles of the door and of the lamp.
  const std::string all = playTemplate(4, "click 400 184 Monitor\nclick 565 235 Monitor\n");
  expectWalkedAndTookTheLamp(all, obx_);
}

TEST(NewGameMonitor, TheFirstRoomShowsTheMonitorWindowOfAGameThatOpensInModel4) {
  // The game opens in model 4 already, where "modo= 4" would leave the monitor hidden.
  taluvin::testing::TestGame game;
  game.writeLines("jogo.ini", taluvin::templateSettings("jogo", 4));
  for (const auto& file : taluvin::templateTextFiles("jogo", 4)) game.writeLines(file.name, file.lines);
  game.start();
  EXPECT_TRUE(game.player().monitorWindow().isVisible());
}

TEST(NewGameSettings, EveryLineThePlayerReadsHasAValueAndTheSwitchesAreOn) {
  // The lines the player reads that a game may leave empty: the current object, the console and
  // text styles (normal), the value carried through.
  const std::set<size_t> mayBeEmpty = {9, 57, 67, 95};
  const std::set<size_t> neverRead = {2, 3, 31, 54, 55, 56, 60, 61, 62, 63, 98, 99, 100};
  for (int model = 0; model <= 4; ++model) {
    const auto lines = taluvin::templateSettings("castelo", model);
    ASSERT_EQ(lines.size(), 101u);
    for (size_t k = 0; k < lines.size(); ++k) {
      if ((k >= 80 && k <= 92) || mayBeEmpty.count(k) || neverRead.count(k)) continue;
      EXPECT_FALSE(lines[k].empty()) << "line " << k;
    }
    // Without these the message strip, the command line and the command panel stay hidden.
    EXPECT_EQ(lines[35], "*");
    EXPECT_EQ(lines[44], "*");
    EXPECT_EQ(lines[53], "*");
    EXPECT_EQ(lines[4], "castelo");
    EXPECT_EQ(lines[26], std::to_string(model));
  }
  EXPECT_EQ(taluvin::templateGameName("/tmp/x/My Castle/"), "mycastle");
  EXPECT_EQ(taluvin::templateGameName("/tmp/x/%%%"), "jogo");
}

TEST_F(NewGame, RefusesAFolderInUseAndAModelOutOfRange) {
  const fs::path used = beside_ / "used";
  fs::create_directories(used);
  std::ofstream(used / "notes.txt") << "mine";
  auto refused = runProgram({"--new", used.string()});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("is not empty"), std::string::npos) << refused.err;
  EXPECT_EQ(fileBytes(used / "notes.txt"), "mine");
  EXPECT_FALSE(fs::exists(used / "start.scp"));

  const fs::path file = beside_ / "file";
  std::ofstream(file) << "x";
  EXPECT_EQ(runProgram({"--new", file.string()}).exitCode, 2);

  auto badModel = runProgram({"--new", (beside_ / "fresh").string(), "--model", "7"});
  EXPECT_EQ(badModel.exitCode, 2);
  EXPECT_NE(badModel.err.find("--model"), std::string::npos) << badModel.err;
  EXPECT_FALSE(fs::exists(beside_ / "fresh"));

  // An empty folder is fine, and the game is named after it.
  const fs::path empty = beside_ / "My Castle";
  fs::create_directories(empty);
  EXPECT_EQ(runProgram({"--new", empty.string()}).exitCode, 0);
  EXPECT_TRUE(fs::exists(empty / "mycastle.ini"));
  EXPECT_TRUE(fs::exists(empty / "mycastle.obx"));
  EXPECT_NE(fileBytes(empty / "taluvin.ini").find("\r\nmycastle\r\n"), std::string::npos);
}

}  // namespace
