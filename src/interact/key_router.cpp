// Routing every key between the player's shortcuts and the game.
#include "interact/key_router.h"

#include "present/input_hold.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace taluvin {

namespace {

constexpr Qt::KeyboardModifiers kShortcutModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier;

}  // namespace

KeyRouter::KeyRouter(InputHold& hold, std::function<bool()> scriptRunning)
    : hold_(hold), scriptRunning_(std::move(scriptRunning)) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

void KeyRouter::addShortcut(Shortcut shortcut) { shortcuts_.push_back(std::move(shortcut)); }

void KeyRouter::watchEveryKey(std::function<void(const QEvent&)> watcher) { watchers_.push_back(std::move(watcher)); }

void KeyRouter::onGameKey(std::function<void(const QKeyEvent&)> gameKey) { gameKey_ = std::move(gameKey); }

void KeyRouter::addKeyHandler(std::function<bool(QObject*, QKeyEvent&)> handler) {
  handlers_.push_back(std::move(handler));
}

void KeyRouter::watchEveryPress(std::function<void()> watcher) { pressWatchers_.push_back(std::move(watcher)); }

void KeyRouter::grabKeys(std::function<void(QKeyEvent&)> grab) { grab_ = std::move(grab); }

void KeyRouter::releaseKeys() { grab_ = nullptr; }

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  if (hold_.holdBack(watched, event)) return true;
  const QEvent::Type type = event->type();
  // A press travels up the parents that ignore it, so watchers may hear of one action more than once.
  if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)
    for (const auto& watcher : pressWatchers_) watcher();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ApplicationDeactivate)
    return QObject::eventFilter(watched, event);
  for (const auto& watcher : watchers_) watcher(*event);
  if (type == QEvent::ApplicationDeactivate) return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (grab_) {
    key->accept();
    if (type == QEvent::KeyPress) {
      // The grab may end itself (the menu closing): it is kept alive while it runs.
      const auto grab = grab_;
      grab(*key);
    }
    return true;
  }
  if (takenByShortcut(*key)) return true;
  // The game's share only notes the key held ("inkey"), so it hears a key keyboard play then takes.
  if (gameKey_) gameKey_(*key);
  for (const auto& handler : handlers_)
    if (handler(watched, *key)) return true;
  return QObject::eventFilter(watched, event);
}

bool KeyRouter::takenByShortcut(QKeyEvent& key) {
  if (key.type() == QEvent::KeyRelease) {
    if (!taken_.contains(key.key())) return false;
    // A held key repeats as release and press pairs; it is still held between them.
    if (!key.isAutoRepeat()) taken_.erase(key.key());
    key.accept();
    return true;
  }
  const Shortcut* shortcut = shortcutFor(key);
  if (!shortcut) return false;
  taken_.insert(key.key());
  key.accept();
  if ((!key.isAutoRepeat() || shortcut->repeats) && (shortcut->actsWhileRunning || !scriptRunning_()))
    shortcut->action();
  return true;
}

const KeyRouter::Shortcut* KeyRouter::shortcutFor(const QKeyEvent& key) const {
  const Qt::KeyboardModifiers held = key.modifiers() & kShortcutModifiers;
  for (const Shortcut& shortcut : shortcuts_) {
    if (shortcut.keys.key() != key.key()) continue;
    const Qt::KeyboardModifiers wanted = shortcut.keys.keyboardModifiers();
    if (shortcut.otherModifiersToo ? (held & wanted) == wanted : held == wanted) return &shortcut;
  }
  return nullptr;
}

}  // namespace taluvin
