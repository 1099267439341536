// The player's menu in the real program: F10 shows it over the window and Escape gives back exactly
// what was there; while it is open the game gets no keys; its lines act.
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

taluvin::testing::ProgramRun play(TestGame& game, const std::string& replay) {
  game.write("play.replay", replay);
  return runProgram({game.folder(), "--headless", "--start", "--trace", game.folder() + "trace.txt", "--replay",
                     game.folder() + "play.replay"});
}

QImage shot(const TestGame& game, const std::string& name) {
  return QImage(QString::fromStdString(game.folder() + name)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(PlayerMenuProgram, F10ShowsTheMenuAndEscapeGivesBackTheSameWindowWhileTheGameHearsNoKey) {
  TestGame game;
  game.settings({{53, "*"}});
  // The command line takes typed keys: a letter typed while the menu is open must not reach it.
  game.write("start.scp", "modo= 1\nclearbuf 3060A0\nmsg= Hall\n");
  const std::string at = game.folder();
  const auto run = play(game, "screenshot " + at + "before.png\nkey F10\nscreenshot " + at +
                                  "menu.png\ntype x\nkey Down\nkey Escape\nscreenshot " + at + "after.png\nquit\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage before = shot(game, "before.png"), menu = shot(game, "menu.png"), after = shot(game, "after.png");
  ASSERT_FALSE(before.isNull());
  EXPECT_NE(menu, before) << "the menu is seen over the window";
  EXPECT_EQ(after, before) << "closing the menu leaves nothing behind, and the typed x went nowhere";
}

TEST(PlayerMenuProgram, ItsLinesSaveAndQuitAndSettingsStepTheVolume) {
  TestGame game;
  const std::string data = game.beside() + "data", config = game.beside() + "config";
  setenv("XDG_DATA_HOME", data.c_str(), 1);
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  game.write("start.scp", "reg= 1,um\n");
  // Save to a new slot (second line); then Settings (sixth), volume one step down, back, and Quit (last).
  const auto run = play(game,
                        "key F10\nkey Down\nkey Return\nwait 50\n"
                        "key F10\nkey Down\nkey Down\nkey Down\nkey Down\nkey Down\nkey Return\nkey Down\nkey Left\n"
                        "key Escape\nkey End\nkey Return\n");
  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string trace = fileBytes(game.folder() + "trace.txt");
  EXPECT_NE(trace.find("saved to slot 1 ("), std::string::npos) << trace;
  EXPECT_NE(fileBytes(config + "/taluvin/audio.ini").find("volume=9"), std::string::npos);
  EXPECT_EQ(game.readLines("jogo.rgs")[1], "um") << "quit went through the exit steps";
}
