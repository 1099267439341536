// Screen state the game keeps between runs: the end button's name, the console font size, the HUD.
#include "app/replay/replay_pointer.h"
#include "present/console_page.h"
#include "present/main_window.h"
#include "present/picture_file.h"
#include "present/screen.h"
#include "state/game_session.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }

void writeSolid(TestGame& game, const std::string& name, QRgb colour) {
  QImage image(10, 10, QImage::Format_RGB888);
  image.fill(colour);
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

void pressEndButton(TestGame& game, ReplayOutcome (*action)(Player&, const ReplayStep&)) {
  action(game.player(), ReplayStep{0, "pointer", {"5", "5", "btFim"}});
}

bool tracedStartingWith(const TestGame& game, const std::string& start) {
  for (const std::string& line : game.trace())
    if (line.rfind(start, 0) == 0) return true;
  return false;
}

TEST(KeptScreenState, EndButtonKeepsTheGamesOwnNameThroughRuns) {
  TestGame game;
  game.settings({{66, "sair.bmp"}});
  writeSolid(game, "U-sair.bmp", 0xFF00AA00);
  writeSolid(game, "D-sair.bmp", 0xFFAA0000);
  game.write("start.scp", "reg= 1,um\n");
  game.write("outro.scp", "reg= 1,dois\n");
  game.start();
  game.run("outro");
  EXPECT_EQ(game.player().session().screen.endButtonName, "sair.bmp");
  PictureView* button = screenOf(game).endButton();
  EXPECT_EQ(button->picture().pixel(5, 5), 0xFF00AA00u);
  pressEndButton(game, replayPress);
  EXPECT_EQ(button->picture().pixel(5, 5), 0xFFAA0000u);
  pressEndButton(game, replayRelease);
  EXPECT_EQ(button->picture().pixel(5, 5), 0xFF00AA00u);
}

TEST(KeptScreenState, EndButtonTakesItsNameEvenWhenTheRaisedPictureIsMissing) {
  TestGame game;
  game.settings({{66, "falta.bmp"}});
  writeSolid(game, "D-falta.bmp", 0xFF0000AA);
  game.write("start.scp", "reg= 1,um\n");
  game.start();
  EXPECT_EQ(game.player().session().screen.endButtonName, "falta.bmp");
  pressEndButton(game, replayPress);
  EXPECT_EQ(screenOf(game).endButton()->picture().pixel(5, 5), 0xFF0000AAu);
}

TEST(KeptScreenState, ConsoleFontSizeLastsThroughRunsWithoutASettingsLine) {
  TestGame game;
  game.write("start.scp", "mode= 0\nfntsize= 30\n");
  game.write("outro.scp", "msg= ola\n");
  game.start();
  game.run("outro");
  // Without a console size in the settings each run keeps the size the last "fntsize=" gave.
  EXPECT_EQ(screenOf(game).console().fontPoints(), 30);
  EXPECT_EQ(game.player().session().screen.consoleFontPoints, 30);
}

TEST(KeptScreenState, ConsoleFontSizeGoesBackToTheSettingsLineAtEachRun) {
  TestGame game;
  game.settings({{33, "20"}});
  game.write("start.scp", "mode= 0\nfntsize= 30\n");
  game.write("outro.scp", "msg= ola\n");
  game.start();
  EXPECT_EQ(screenOf(game).console().fontPoints(), 30);
  game.run("outro");
  EXPECT_EQ(screenOf(game).console().fontPoints(), 20);
}

TEST(KeptScreenState, HudIsDrawnOnlyOnceAPictureWasReadAndOutlivesAnUnreadableOne) {
  TestGame game;
  writeSolid(game, "hud.bmp", 0xFFFFFF00);
  game.write("ruim.bmp", "isto não é uma imagem");
  game.write("start.scp", "clearbuf 000000\nhud= ruim.bmp\nhud= on\n");
  game.write("com.scp", "clearbuf 000000\nhud= hud.bmp\nhud= 5,6\nhud= on\n");
  game.write("de_novo.scp", "clearbuf 000000\nhud= ruim.bmp\n");
  game.start();
  EXPECT_TRUE(tracedStartingWith(game, "   1: hud= ruim.bmp <--- imagem ilegível: "));
  EXPECT_TRUE(game.traced("   2: hud=  <--- não tem arquivo hud instalado"));
  EXPECT_FALSE(game.player().session().hud.loaded);
  EXPECT_EQ(screenOf(game).pictureScreen()->picture().pixel(5, 6), 0xFF000000u);

  game.run("com");
  EXPECT_EQ(screenOf(game).pictureScreen()->picture().pixel(5, 6), 0xFFFFFF00u);
  game.run("de_novo");
  EXPECT_TRUE(tracedStartingWith(game, "   1: hud= ruim.bmp <--- imagem ilegível: "));
  EXPECT_EQ(screenOf(game).pictureScreen()->picture().pixel(5, 6), 0xFFFFFF00u)
      << "the picture read before stays the HUD";
  EXPECT_EQ(screenOf(game).pictureScreen()->picture().pixel(15, 16), 0xFF000000u);
}

}  // namespace
}  // namespace taluvin
