// The player's own messages: laid over the window the player looks at, never written into the
// game's message strip, console or pictures, and gone after a few seconds.
#include "app/replay/replay_keys.h"
#include "app/saves/save_slot_actions.h"
#include "present/monitor_window.h"
#include "present/player_notice.h"
#include "support/event_wait.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using taluvin::testing::screenOf;
using taluvin::testing::TestGame;
using taluvin::testing::waitUntil;

namespace taluvin {
namespace {

void key(TestGame& game, const char* name) { replayKey(game.player(), ReplayStep{0, "key", {name}}); }

PlayerNotice* noticeOver(QWidget* window) {
  return window->findChild<PlayerNotice*>("PlayerNotice", Qt::FindDirectChildrenOnly);
}

TEST(PlayerNotices, SavesAndTheVolumeAreSaidOverTheWindowAndNotInTheGamesText) {
  TestGame game;
  // A strip of two lines, already full.
  game.write("start.scp", "modo= 1\nmsg= primeira linha\nlinefeed\nmsg+ segunda linha\n");
  game.start();
  QWidget& window = game.player().mainWindow();
  const QString strip = screenOf(game).messageStrip()->toPlainText();
  const QImage tela = screenOf(game).pictureScreen()->picture().copy();
  const QImage before = window.grab().toImage();

  key(game, "Ctrl+S");
  PlayerNotice* notice = noticeOver(&window);
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_TRUE(notice->text().startsWith("saved to slot 1 (")) << notice->text().toStdString();
  EXPECT_NE(window.grab().toImage(), before) << "the player sees the save";
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), strip);
  EXPECT_EQ(screenOf(game).pictureScreen()->picture(), tela);

  key(game, "Ctrl+Down");
  EXPECT_EQ(notice->text(), "volume 90%");
  key(game, "Ctrl+M");
  EXPECT_TRUE(notice->text().startsWith("sound muted"));
  key(game, "Ctrl+Up");
  EXPECT_EQ(notice->text(), "volume 100%");
  key(game, "Ctrl+Up");
  EXPECT_EQ(notice->text(), "volume 100%") << "the top is said too, so the key is seen to be heard";
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), strip);

  EXPECT_TRUE(waitUntil([&] { return !notice->isVisible(); }));
  EXPECT_EQ(window.grab().toImage(), before) << "nothing of the notice is left behind";
}

TEST(PlayerNotices, ConsoleTextIsNotGluedToThePlayersWords) {
  TestGame game;
  game.write("start.scp", "modo= 0\nmsg= in Portuguese.\n");
  game.start();
  const QString console = screenOf(game).consoleText()->toPlainText();
  key(game, "Ctrl+S");
  EXPECT_EQ(screenOf(game).consoleText()->toPlainText(), console);
  EXPECT_TRUE(noticeOver(&game.player().mainWindow())->isVisible());
}

TEST(PlayerNotices, InModel4TheSlotListAndTheNoticesAreOnTheMonitor) {
  TestGame game;
  game.write("start.scp", "mode= 4\ncleartela 000080\n");
  game.start();
  MonitorWindow& monitor = game.player().monitorWindow();
  ASSERT_TRUE(monitor.isVisible());
  key(game, "Ctrl+S");
  ASSERT_NE(noticeOver(&monitor), nullptr);
  EXPECT_TRUE(noticeOver(&monitor)->isVisible());
  key(game, "Ctrl+L");
  auto* list = monitor.findChild<QWidget*>("SaveSlots");
  ASSERT_NE(list, nullptr) << "the slot list opens where the player can see it";
  EXPECT_TRUE(list->isVisible());
  EXPECT_NE(monitor.findChild<QWidget*>("SaveSlot1"), nullptr);
  key(game, "Escape");
  EXPECT_FALSE(list->isVisible());
}

}  // namespace
}  // namespace taluvin
