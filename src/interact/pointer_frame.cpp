// The frame picture and opening picture (zones, window drag), the end button, captions and the wheel.
#include "interact/pointer_handlers.h"

#include "app/main_window.h"
#include "app/player.h"
#include "interact/zone_action.h"
#include "interact/zone_drawing.h"
#include "present/frame.h"
#include "present/memo_box.h"
#include "present/picture_page.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "services/sound_commands.h"
#include "state/game_session.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <chrono>
#include <thread>

namespace taluvin {

namespace {

const std::string kEndPressSound = "clk0a.wav";
const std::string kEndReleaseSound = "clk0b.wav";
constexpr int kEndDelayMs = 200;

// Runs an action when the watched widget is pressed; the captions have no handlers of their own.
class PressWatcher : public QObject {
 public:
  PressWatcher(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) action_();
    return false;
  }

 private:
  std::function<void()> action_;
};

void frameMove(Player& player, PictureView* view, QPoint at) {
  ZoneState& zones = player.session().zones;
  PointerState& pointer = zones.pointer;
  pointer.hoveredZone = zones.table.hitTest(ZoneGroup::Frame, at.x(), at.y());
  view->setCursor(pointer.hoveredZone < 0 ? cursorShapeFor(4)
                                          : cursorShapeFor(zones.table.slot(pointer.hoveredZone).cursorType));
  if (!pointer.pressed || pointer.hoveredZone >= 0) return;
  // The press position stays put: the window moves until the pointer is over it again.
  MainWindow& window = player.mainWindow();
  const QPoint travel(at.x() - pointer.pressX, at.y() - pointer.pressY);
  if (!travel.isNull()) window.move(window.pos() + travel);
}

void framePress(Player& player, PictureView* view, QPoint at) {
  frameMove(player, view, at);
  ZoneState& zones = player.session().zones;
  zones.pointer.pressX = at.x();
  zones.pointer.pressY = at.y();
  zones.pointer.pressed = true;
  if (zones.pointer.hoveredZone < 0) return;
  const HotZone& zone = zones.table.slot(zones.pointer.hoveredZone);
  playClickSound(player, zone.sound);
  if (!zone.secondValue.empty()) {
    CanvasView* imp = player.mainWindow().screen().imp();
    drawZonePicture(player.mainWindow().screen(), frameCanvas(player.mainWindow().screen()), zone, zone.secondValue);
    imp->update();
  }
  player.letEventsRun();
}

void frameRelease(Player& player, PictureView* view, QPoint at) {
  ZoneState& zones = player.session().zones;
  zones.pointer.pressed = false;
  frameMove(player, view, at);
  if (zones.pointer.hoveredZone < 0) return;
  const HotZone clicked = zones.table.slot(zones.pointer.hoveredZone);
  if (!clicked.secondValue.empty()) {
    CanvasView* imp = player.mainWindow().screen().imp();
    drawZonePicture(player.mainWindow().screen(), frameCanvas(player.mainWindow().screen()), clicked, clicked.firstValue);
    imp->update();
    player.letEventsRun();
  }
  zones.pointer.clickOffsetX = at.x() - clicked.left;
  zones.pointer.clickOffsetY = at.y() - clicked.top;
  if (clicked.action == "picFmap") {
    toggleMapPage(player);
    return;
  }
  runZoneAction(player, clicked.action, false);
}

void connectFrameSurface(Player& player, PictureView* view) {
  view->onMove = [&player, view](QPoint at) { frameMove(player, view, at); };
  view->onPress = [&player, view](QPoint at, Qt::MouseButton) { framePress(player, view, at); };
  // The opening picture's own release (the start click) still happens after the zone's.
  auto previousRelease = view->onRelease;
  view->onRelease = [&player, view, previousRelease](QPoint at, Qt::MouseButton button) {
    frameRelease(player, view, at);
    if (previousRelease) previousRelease(at, button);
  };
}

std::string endButtonFolder(const GameSession& s) { return s.GameFolder.empty() ? s.ProgramFolder : s.GameFolder; }

void showEndButton(Player& player, const std::string& prefix) {
  Frame& frame = player.mainWindow().screen().frame();
  QImage picture;
  if (loadGamePicture(endButtonFolder(player.session()), prefix + frame.endButtonName(), picture)) {
    frame.btFim->setPicture(std::move(picture));
  }
}

void connectEndButton(Player& player) {
  PictureView* button = player.mainWindow().screen().btFim();
  button->onPress = [&player](QPoint, Qt::MouseButton) {
    showEndButton(player, "D-");
    playClickSound(player, kEndPressSound);
  };
  button->onRelease = [&player](QPoint, Qt::MouseButton) {
    showEndButton(player, "U-");
    playClickSound(player, kEndReleaseSound);
    player.letEventsRun();
    std::this_thread::sleep_for(std::chrono::milliseconds(kEndDelayMs));
    player.endProgram();
  };
}

void connectCaptionsAndWheel(Player& player) {
  Screen& screen = player.mainWindow().screen();
  auto runScreenScript = [&player] {
    const std::string script = player.session().zones.screenScript;
    if (!script.empty()) player.runScript(script);
  };
  for (QLabel* caption : {screen.legda(), screen.sombra()})
    caption->installEventFilter(new PressWatcher(caption, runScreenScript));

  // Picture widgets take the wheel themselves, so they pass it to what it scrolls.
  MemoBox& memo = screen.memoBox();
  for (PictureView* view : {static_cast<PictureView*>(screen.tela()), static_cast<PictureView*>(screen.telCmd()),
                            static_cast<PictureView*>(screen.imp())})
    view->onWheel = [&memo](int delta) { memo.wheel(delta); };
  QScrollArea* box = screen.scrollPage().sbox2;
  screen.tela3()->onWheel = [box](int delta) {
    QScrollBar* bar = box->verticalScrollBar();
    bar->setValue(bar->value() - delta);
  };
}

}  // namespace

void connectFramePointer(Player& player) {
  connectFrameSurface(player, player.mainWindow().screen().imp());
  connectFrameSurface(player, player.mainWindow().telAber());
  connectEndButton(player);
  connectCaptionsAndWheel(player);
}

}  // namespace taluvin
