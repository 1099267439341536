// Replay's keyboard actions, delivered as the window system delivers keys: press, then release.
#include "app/replay/replay_keys.h"

#include "app/player/player.h"
#include "present/main_window.h"
#include "present/monitor_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace taluvin {

namespace {

// The control that has the keyboard; without an active window (a display that never activates
// one) the control the main window last focused.
QWidget* keyTarget(Player& player) {
  if (QWidget* focused = QApplication::focusWidget()) return focused;
  if (MonitorWindow* monitor = player.madeMonitor(); monitor && monitor->isVisible())
    return monitor->focusWidget() ? monitor->focusWidget() : monitor;
  if (QWidget* focused = player.mainWindow().focusWidget()) return focused;
  return &player.mainWindow();
}

void sendKeyEvent(Player& player, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(type, key, modifiers, text);
  QApplication::sendEvent(keyTarget(player), &event);
}

void sendKey(Player& player, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  sendKeyEvent(player, QEvent::KeyPress, key, modifiers, text);
  // The press may have moved the focus (a script run by it); the release goes where the key is now.
  sendKeyEvent(player, QEvent::KeyRelease, key, modifiers, text);
}

// A modifier key on its own, which key sequences do not name; what it holds while it is down.
struct ModifierKey {
  const char* name;
  int key;
  Qt::KeyboardModifier modifier;
};

constexpr ModifierKey kModifierKeys[] = {
    {"Control", Qt::Key_Control, Qt::ControlModifier}, {"Ctrl", Qt::Key_Control, Qt::ControlModifier},
    {"Shift", Qt::Key_Shift, Qt::ShiftModifier},       {"Alt", Qt::Key_Alt, Qt::AltModifier},
    {"Meta", Qt::Key_Meta, Qt::MetaModifier},
};

const ModifierKey* modifierKeyNamed(const std::string& name) {
  for (const ModifierKey& m : kModifierKeys)
    if (name == m.name) return &m;
  return nullptr;
}

// What a key types, as a US keyboard gives it; empty for keys that type nothing.
QString textOfKey(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Delete: return QStringLiteral("\x7f");
    default: break;
  }
  if (key < Qt::Key_Space || key > 0xFF) return {};
  const QChar c(key);
  return QString(modifiers & Qt::ShiftModifier ? c.toUpper() : c.toLower());
}

// The key that types character c: Qt names the Latin-1 keys by their upper-case character, and an
// upper-case letter comes with Shift.
std::pair<int, Qt::KeyboardModifiers> keyOfCharacter(const QString& c) {
  const char32_t code = c.toUcs4().value(0);
  if (code >= 0x100) return {Qt::Key_unknown, Qt::NoModifier};
  const QChar character(static_cast<char16_t>(code));
  const char16_t upper = character.toUpper().unicode();
  return {upper < 0x100 ? upper : static_cast<int>(code), character.isUpper() ? Qt::ShiftModifier : Qt::NoModifier};
}

}  // namespace

std::string checkKey(const ReplayStep& s) {
  // Qt reads a name it does not know as the unknown key rather than as nothing.
  const QKeySequence keys = QKeySequence::fromString(QString::fromStdString(s.args[0]));
  return keys.count() != 1 || keys[0].key() == Qt::Key_unknown ? "'" + s.args[0] + "' is not a key name"
                                                               : std::string();
}

std::string checkHeldKey(const ReplayStep& s) { return modifierKeyNamed(s.args[0]) ? std::string() : checkKey(s); }

namespace {

ReplayOutcome halfStroke(Player& player, const ReplayStep& s, QEvent::Type type) {
  // The window system reports a modifier's press with the modifier already down, its release
  // with it up.
  if (const ModifierKey* m = modifierKeyNamed(s.args[0])) {
    sendKeyEvent(player, type, m->key, type == QEvent::KeyPress ? Qt::KeyboardModifiers(m->modifier) : Qt::NoModifier, {});
    return {};
  }
  const QKeyCombination combo = QKeySequence::fromString(QString::fromStdString(s.args[0]))[0];
  sendKeyEvent(player, type, combo.key(), combo.keyboardModifiers(), textOfKey(combo.key(), combo.keyboardModifiers()));
  return {};
}

}  // namespace

ReplayOutcome replayKeyDown(Player& player, const ReplayStep& s) { return halfStroke(player, s, QEvent::KeyPress); }
ReplayOutcome replayKeyUp(Player& player, const ReplayStep& s) { return halfStroke(player, s, QEvent::KeyRelease); }

ReplayOutcome replayKey(Player& player, const ReplayStep& s) {
  const QKeyCombination combo = QKeySequence::fromString(QString::fromStdString(s.args[0]))[0];
  sendKey(player, combo.key(), combo.keyboardModifiers(), textOfKey(combo.key(), combo.keyboardModifiers()));
  return {};
}

ReplayOutcome replayType(Player& player, const ReplayStep& s) {
  const QString text = QString::fromUtf8(s.rest.data(), static_cast<qsizetype>(s.rest.size()));
  for (qsizetype i = 0; i < text.size();) {
    // One character, whatever the number of UTF-16 units it takes.
    const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, units);
    i += units;
    const auto [key, modifiers] = keyOfCharacter(character);
    sendKey(player, key, modifiers, character);
    if (player.quitRequested()) break;
  }
  return {};
}

}  // namespace taluvin
