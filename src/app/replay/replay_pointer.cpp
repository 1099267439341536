// Pointer actions of replay files, delivered as the window system would deliver them.
#include "app/replay/replay_pointer.h"

#include "app/player/player.h"
#include "base/numbers.h"
#include "present/main_window.h"
#include "present/command_panel.h"
#include "present/monitor_window.h"
#include "present/screen.h"
#include "present/web_page_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace taluvin {

namespace {

constexpr int kWheelNotch = 120;

QWidget* findSurface(Player& player, const QString& objectName) {
  MonitorWindow* monitor = player.madeMonitor();
  if (monitor && monitor->objectName() == objectName) return monitor;
  // Both windows have captions and a text box by the same names: the one the player sees wins.
  if (monitor && monitor->isVisible())
    if (auto* widget = monitor->findChild<QWidget*>(objectName)) return widget;
  if (auto* widget = player.mainWindow().findChild<QWidget*>(objectName)) return widget;
  if (monitor)
    if (auto* widget = monitor->findChild<QWidget*>(objectName)) return widget;
  // The player's own windows beside the game (the inspector) are found by their names too.
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == objectName) return window;
  return nullptr;
}

}  // namespace

QWidget* surfaceNamed(Player& player, const std::string& name) {
  const QString objectName = QString::fromStdString(name);
  if (QWidget* found = findSurface(player, objectName)) return found;
  // The monitor window, the map page, the hidden stores, the register input and the web view are
  // made when a game first uses them; a replay naming one of their parts is such a use.
  player.monitorWindow();
  Screen& screen = player.mainWindow().screen();
  screen.mapPage();
  screen.images();
  screen.panel().registerInput();
  screen.web().browser();
  return findSurface(player, objectName);
}

namespace {

struct Target {
  QWidget* widget = nullptr;
  QPoint at;
  std::string error;
};

Target targetOf(Player& player, const ReplayStep& s, size_t surfaceArg, QPoint at) {
  const std::string name = s.args.size() > surfaceArg ? s.args[surfaceArg] : std::string("Tela");
  Target t;
  t.widget = surfaceNamed(player, name);
  t.at = at;
  if (!t.widget) t.error = "no surface named '" + name + "'";
  return t;
}

Target pointTarget(Player& player, const ReplayStep& s) {
  return targetOf(player, s, 2, QPoint(*parseInt(s.args[0]), *parseInt(s.args[1])));
}

void send(const Target& t, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
  const QPointF local(t.at);
  QMouseEvent event(type, local, t.widget->mapToGlobal(local), button, held, Qt::NoModifier);
  QApplication::sendEvent(t.widget, &event);
}

void sendMove(const Target& t, Qt::MouseButtons held) { send(t, QEvent::MouseMove, Qt::NoButton, held); }
void sendPress(const Target& t) { send(t, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton); }
void sendRelease(const Target& t) { send(t, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton); }

// The pointer gets there before it presses, as a hand on the mouse would bring it.
ReplayOutcome pointerAction(Player& player, const ReplayStep& s, const std::function<void(const Target&)>& act) {
  const Target t = pointTarget(player, s);
  if (!t.widget) return {0, t.error};
  act(t);
  return {};
}

}  // namespace

std::string checkPointerPosition(const ReplayStep& s) {
  for (size_t i = 0; i < 2; ++i)
    if (!parseInt(s.args[i])) return "'" + s.args[i] + "' is not a pixel coordinate";
  return {};
}

std::string checkWheelSteps(const ReplayStep& s) {
  return parseInt(s.args[0]) ? std::string() : "'" + s.args[0] + "' is not a number of wheel notches";
}

ReplayOutcome replayClick(Player& player, const ReplayStep& s) {
  return pointerAction(player, s, [](const Target& t) {
    sendMove(t, Qt::NoButton);
    sendPress(t);
    sendRelease(t);
  });
}

ReplayOutcome replayPress(Player& player, const ReplayStep& s) {
  return pointerAction(player, s, [](const Target& t) {
    sendMove(t, Qt::NoButton);
    sendPress(t);
  });
}

ReplayOutcome replayRelease(Player& player, const ReplayStep& s) {
  return pointerAction(player, s, [](const Target& t) { sendRelease(t); });
}

ReplayOutcome replayMove(Player& player, const ReplayStep& s) {
  return pointerAction(player, s, [](const Target& t) {
    sendMove(t, QApplication::mouseButtons());
  });
}

ReplayOutcome replayDoubleClick(Player& player, const ReplayStep& s) {
  return pointerAction(player, s, [](const Target& t) {
    sendMove(t, Qt::NoButton);
    sendPress(t);
    sendRelease(t);
    send(t, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
    sendRelease(t);
  });
}

ReplayOutcome replayWheel(Player& player, const ReplayStep& s) {
  Target t = targetOf(player, s, 1, QPoint());
  if (!t.widget) return {0, t.error};
  const QPointF centre(t.widget->width() / 2.0, t.widget->height() / 2.0);
  const QPoint delta(0, *parseInt(s.args[0]) * kWheelNotch);
  QWheelEvent event(centre, t.widget->mapToGlobal(centre), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(t.widget, &event);
  return {};
}

}  // namespace taluvin
