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
  // Keys whose press a shortcut took: their release is the player's too, even after Ctrl is let go.
  std::set<int> taken_;
};

}  // namespace taluvin
