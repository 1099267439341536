// KeyRouter: the one watcher of every key the program receives, handing each to a player shortcut or to the game.
#pragma once

#include <QKeyCombination>
#include <QObject>

#include <functional>
#include <set>
#include <vector>

class QKeyEvent;

namespace taluvin {

class InputHold;

// A key the player's shortcuts take reaches no part of the game, press and release alike; every other
// key goes on to the game's share and then to the widget that has the keyboard. While text is being
// typed out, clicks and keys wait in the input hold and come back through here afterwards.
class KeyRouter : public QObject {
 public:
  struct Shortcut {
    QKeyCombination keys;  // Qt::CTRL | Qt::Key_S
    std::function<void()> action;
    // A key held down acts again on each press it repeats (a volume step), or only once (a save).
    bool repeats = false;
    // While a script runs the key is still the player's, but does nothing.
    bool actsWhileRunning = true;
    // Shift, Alt or Meta held as well still make it this shortcut.
    bool otherModifiersToo = false;
  };

  // Watches the application from construction on. scriptRunning says whether a run is under way.
  KeyRouter(InputHold& hold, std::function<bool()> scriptRunning);

  void addShortcut(Shortcut shortcut);
  // Sees every key press and release, and the program losing the keyboard, before any shortcut; takes
  // nothing.
  void watchEveryKey(std::function<void(const QEvent&)> watcher);
  // The game's share of each key no shortcut took.
  void onGameKey(std::function<void(const QKeyEvent&)> gameKey);
  // A part of the player that decides key by key (keyboard play), asked after the shortcuts: true when
  // it took the key, press or release, so no control and no part of the game sees it.
  void addKeyHandler(std::function<bool(QObject* receiver, QKeyEvent& key)> handler);
  // Told of every key press and mouse press before anything takes it (speech stops at the player's
  // next action).
  void watchEveryPress(std::function<void()> watcher);
  // While set, every key goes there and nowhere else: the player's menu keeps the game from input.
  void grabKeys(std::function<void(QKeyEvent& key)> grab);
  void releaseKeys();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool takenByShortcut(QKeyEvent& key);
  const Shortcut* shortcutFor(const QKeyEvent& key) const;

  InputHold& hold_;
  std::function<bool()> scriptRunning_;
  std::vector<Shortcut> shortcuts_;
  std::vector<std::function<void(const QEvent&)>> watchers_;
  std::function<void(const QKeyEvent&)> gameKey_;
  std::vector<std::function<bool(QObject*, QKeyEvent&)>> handlers_;
  std::vector<std::function<void()>> pressWatchers_;
  std::function<void(QKeyEvent&)> grab_;
  // Keys whose press a shortcut took: their release is the player's too, even after Ctrl is let go.
  std::set<int> taken_;
};

}  // namespace taluvin
