// Keyboard play's keys, seen before any control of the game's windows sees them.
#include "interact/focus_keys.h"

#include "interact/key_router.h"

#include "interact/zone_focus.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/paged_book.h"
#include "present/screen.h"
#include "script/command_context.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>
#include <set>

namespace taluvin {

namespace {

constexpr Qt::KeyboardModifiers kChords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool isTab(int key) { return key == Qt::Key_Tab || key == Qt::Key_Backtab; }
bool usesStop(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }

// The game's own controls: the main window's pages and the monitor window, not the player's own
// parts laid over the main window (the save slots' list).
bool inGameWindows(CommandContext& context, QWidget* widget) {
  MainWindow& main = context.window();
  if (widget == &main || main.outerBook()->isAncestorOf(widget)) return true;
  MonitorWindow* monitor = context.madeMonitor();
  return monitor && (widget == monitor || monitor->isAncestorOf(widget));
}

bool isTypingLine(QWidget* widget) {
  if (!widget || !widget->isVisible()) return false;
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return !line->isReadOnly();
  if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) return !box->isReadOnly();
  return false;
}

// Where typing goes back to: the line that had the keyboard, else the game's command line.
QWidget* typingLineOf(CommandContext& context, QWidget* receiver) {
  if (QWidget* focused = QApplication::focusWidget(); isTypingLine(focused)) return focused;
  if (isTypingLine(receiver)) return receiver;
  QLineEdit* commandLine = context.screen().commandLine();
  return isTypingLine(commandLine) ? commandLine : nullptr;
}

// A key that writes into a line: a character, or the keys that rub one out.
bool types(const QKeyEvent& key) {
  if (key.modifiers() & kChords) return false;
  if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return true;
  const QString text = key.text();
  return !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace();
}

class FocusKeys : public QObject {
 public:
  FocusKeys(std::unique_ptr<ZoneFocus> focus, QObject* owner) : QObject(owner), owned_(std::move(focus)), focus_(*owned_) {
    setObjectName(kName);
  }
  static constexpr const char* kName = "KeyboardPlay";
  ZoneFocus& focus() { return focus_; }

 // The key router asks here after the player's shortcuts; true when keyboard play took the key.
  bool take(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !inGameWindows(focus_.context(), widget)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // The release of a key whose press was used here is not the game's either.
    if (type == QEvent::KeyRelease) {
      if (!used_.count(key->key())) return false;
      if (!key->isAutoRepeat()) used_.erase(key->key());
      return true;
    }
    if (!focusKeyPressed(focus_, widget, *key)) return false;
    // A typed key was handed on to its line, where its release belongs too.
    if (!types(*key)) used_.insert(key->key());
    return true;
  }

 private:
  std::unique_ptr<ZoneFocus> owned_;
  ZoneFocus& focus_;
  std::set<int> used_;
};

}  // namespace

bool focusKeyPressed(ZoneFocus& focus, QWidget* receiver, const QKeyEvent& key) {
  const bool ringShown = focus.focused() != nullptr;
  if (isTab(key.key()) && !(key.modifiers() & kChords)) {
    // Meanwhile the zones are half made; a Tab with no ring shown keeps what it did before.
    if (focus.running()) return ringShown;
    if (!ringShown) focus.cameFrom = typingLineOf(focus.context(), receiver);
    const bool back = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
    return back ? focusPrevious(focus) : focusNext(focus);
  }
  if (!ringShown) return false;
  if (usesStop(key.key()) && !(key.modifiers() & kChords)) {
    // A key held down uses its stop once.
    if (!key.isAutoRepeat()) activateFocused(focus);
    return true;
  }
  if (key.key() == Qt::Key_Escape) {
    focus.clear();
    return true;
  }
  if (!types(key)) return false;
  focus.clear();
  QWidget* line = focus.cameFrom;
  if (!line || !line->isVisible() || line == receiver) return false;
  line->setFocus();
  QKeyEvent again(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(), key.count());
  QApplication::sendEvent(line, &again);
  return true;
}

ZoneFocus& startKeyboardPlay(CommandContext& context, std::function<bool()> running, QWidget* window,
                             KeyRouter& router) {
  auto* keys = new FocusKeys(std::make_unique<ZoneFocus>(context, std::move(running)), window);
  router.addKeyHandler([keys](QObject* receiver, QKeyEvent& key) { return keys->take(receiver, &key); });
  return keys->focus();
}

ZoneFocus* keyboardPlayOf(QWidget* window) {
  auto* keys = window->findChild<FocusKeys*>(FocusKeys::kName, Qt::FindDirectChildrenOnly);
  return keys ? &keys->focus() : nullptr;
}

}  // namespace taluvin
