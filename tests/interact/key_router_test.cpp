// The key router on its own: shortcuts take their keys whole, the game gets the rest, held input waits.
#include "interact/key_router.h"
#include "present/input_hold.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace taluvin {
namespace {

struct RoutedKeys {
  RoutedKeys() {
    router.watchEveryKey([this](const QEvent& event) {
      if (event.type() == QEvent::KeyPress) ++watched;
    });
    router.onGameKey([this](const QKeyEvent& key) {
      game += (key.type() == QEvent::KeyPress ? "+" : "-") + std::to_string(key.key() - Qt::Key_A) + " ";
    });
  }
  void send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool repeat = false) {
    QKeyEvent event(type, key, modifiers, QString(), repeat);
    QCoreApplication::sendEvent(&target, &event);
  }

  InputHold hold;
  bool running = false;
  KeyRouter router{hold, [this] { return running; }};
  QWidget target;
  std::string game;
  int watched = 0;
};

TEST(KeyRouter, AShortcutTakesPressAndReleaseAndTheGameGetsEveryOtherKey) {
  RoutedKeys keys;
  int saves = 0, louder = 0, quiet = 0;
  keys.router.addShortcut({.keys = Qt::CTRL | Qt::Key_S, .action = [&] { ++saves; }});
  keys.router.addShortcut({.keys = Qt::CTRL | Qt::Key_U, .action = [&] { ++louder; }, .repeats = true,
                           .otherModifiersToo = true});
  keys.router.addShortcut({.keys = Qt::CTRL | Qt::Key_Q, .action = [&] { ++quiet; }, .actsWhileRunning = false});

  // Held down: one save for the press and its repeats; the release after Ctrl is let go is the player's.
  keys.send(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
  keys.send(QEvent::KeyRelease, Qt::Key_S, Qt::ControlModifier, true);
  keys.send(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier, true);
  keys.send(QEvent::KeyRelease, Qt::Key_S, Qt::NoModifier);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(keys.game, "");
  // With Shift as well it is not this shortcut, and without Ctrl it is the game's letter.
  keys.send(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  keys.send(QEvent::KeyRelease, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  keys.send(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(keys.game, "+18 -18 +18 ");

  // A repeating shortcut acts on every repeat, and takes other modifiers.
  keys.send(QEvent::KeyPress, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
  keys.send(QEvent::KeyPress, Qt::Key_U, Qt::ControlModifier, true);
  EXPECT_EQ(louder, 2);

  // One kept from running scripts is still taken from the game.
  keys.running = true;
  keys.send(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier);
  keys.running = false;
  keys.send(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(quiet, 1);
  EXPECT_EQ(keys.game, "+18 -18 +18 ");
  EXPECT_EQ(keys.watched, 8);
}

TEST(KeyRouter, KeysDuringAHoldWaitAndComeBackInTheirOrder) {
  RoutedKeys keys;
  {
    const InputHold::Scope holding(keys.hold);
    keys.send(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier);
    keys.send(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier);
    EXPECT_EQ(keys.game, "");
    EXPECT_EQ(keys.watched, 0);
  }
  QCoreApplication::sendPostedEvents(&keys.target);
  EXPECT_EQ(keys.game, "+1 -1 ");
  EXPECT_EQ(keys.watched, 1);
}

}  // namespace
}  // namespace taluvin
