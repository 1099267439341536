// Readable text: the player's setting enlarges and contrasts the console and strip, never the pictures.
#include "app/replay/replay_keys.h"
#include "present/readable_text.h"
#include "present/zone_reveal.h"
#include "support/named_widgets.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <QPlainTextEdit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::screenOf;
using taluvin::testing::TestGame;
using taluvin::testing::writePicture;

namespace taluvin {
namespace {

void writeChoice(const std::string& text) {
  const std::string file = readableTextFile();
  ASSERT_FALSE(file.empty());
  std::filesystem::create_directories(std::filesystem::path(file).parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

void writeConsoleGame(TestGame& game) {
  writePicture(game, "porta.bmp", 40, 30, qRgb(40, 90, 200));
  game.write("start.scp", "mode= 0\nveltec= 0\nmsg= Bem-vindo.\n");
  game.write("outra.scp", "mode= 0\nveltec= 0\nmsg= Outra sala.\n");
  game.write("tela.scp", "mode= 1\nlinktel= porta.bmp,sala,10,20\n");
}

TEST(ReadableText, TheSettingFileReadsItsTwoSwitchesAndIgnoresTheRest) {
  EXPECT_EQ(parseReadableText(""), ReadableText());
  EXPECT_EQ(parseReadableText("large-text=1\r\nhigh-contrast=sim\nvolume=3\n"), (ReadableText{true, false}));
  EXPECT_EQ(parseReadableText("high-contrast=1\nlarge-text=0"), (ReadableText{false, true}));
  EXPECT_EQ(loadReadableText("/no/such/folder/reading.ini"), ReadableText());
}

TEST(ReadableText, TheConsoleKeepsLargerHighContrastTextAcrossRunsAndTheRevealGoesBlackAndWhite) {
  int asked = 0;
  {
    TestGame plain;
    writeConsoleGame(plain);
    plain.start();
    asked = screenOf(plain).consoleText()->font().pixelSize();
    ASSERT_GT(asked, 0);
  }
  writeChoice("large-text=1\nhigh-contrast=1\n");
  TestGame game;
  writeConsoleGame(game);
  game.start();
  QPlainTextEdit* console = screenOf(game).consoleText();
  const int larger = static_cast<int>(std::lround(asked * 1.5));
  EXPECT_EQ(console->font().pixelSize(), larger);
  EXPECT_EQ(console->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(console->palette().color(QPalette::Text), QColor(Qt::white));
  // Every run lays the console out again from the settings: the choice holds, and is not compounded.
  game.run("outra");
  EXPECT_EQ(console->font().pixelSize(), larger);
  EXPECT_EQ(console->palette().color(QPalette::Text), QColor(Qt::white));
  EXPECT_TRUE(console->toPlainText().contains("Outra sala."));

  // The picture screen is drawn as the game draws it; only the Ctrl outline changes its look.
  game.run("tela");
  const QImage shown = screenOf(game).pictureScreen()->picture();
  replayKeyDown(game.player(), ReplayStep{0, "press-key", {"Control"}});
  ASSERT_TRUE(game.player().zoneReveal().shown());
  const QImage window = game.player().mainWindow().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint corner = screenOf(game).pictureScreen()->mapTo(&game.player().mainWindow(), QPoint(10, 20));
  EXPECT_EQ(window.pixel(corner), qRgb(255, 255, 255));
  EXPECT_EQ(window.pixel(corner + QPoint(2, 2)), qRgb(0, 0, 0));
  EXPECT_EQ(screenOf(game).pictureScreen()->picture(), shown);
  replayKeyUp(game.player(), ReplayStep{0, "release-key", {"Control"}});
}

}  // namespace
}  // namespace taluvin

namespace taluvin {
namespace {

TEST(ReadableText, TextSpeedIsReadWrittenAndAtOnceShowsTypedTextWithoutWaiting) {
  EXPECT_EQ(parseReadableText("text-speed=instant\n").textSpeed, 0);
  EXPECT_EQ(parseReadableText("text-speed=200\n").textSpeed, 200);
  for (const char* junk : {"text-speed=5", "text-speed=fast", "text-speed=", "text-speed=99999"})
    EXPECT_EQ(parseReadableText(junk).textSpeed, 100) << junk;
  ReadableText choice{true, false, 0};
  EXPECT_EQ(parseReadableText(formatReadableText(choice)), choice);

  // A game that types a letter every 100 seconds: at once, its text is there as the run ends.
  TestGame game;
  game.write("start.scp", "mode= 0\nveltec= 100000\nmsg= abc\n");
  screenOf(game).setTextSpeed(0);
  game.start();
  EXPECT_EQ(screenOf(game).consoleText()->toPlainText(), "abc");
  EXPECT_EQ(game.player().session().typingSpeed, 100000) << "the game's own speed is left as it set it";
}

}  // namespace
}  // namespace taluvin
