// The frame picture and opening picture (zones, window drag), the end button, captions and the wheel.
#include "interact/pointer_handlers.h"

#include "interact/zone_action.h"
#include "present/frame_page.h"
#include "present/main_window.h"
#include "present/memo_box.h"
#include "present/picture_page.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
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

void frameMove(CommandContext& context, PictureView* view, QPoint at) {
  ZoneState& zones = context.session().zones;
  PointerState& pointer = zones.pointer;
  pointer.hoveredZone = zones.table.hitTest(Surface::FramePicture, at.x(), at.y());
  view->setCursor(pointer.hoveredZone < 0 ? cursorShapeFor(4)
                                          : cursorShapeFor(zones.table.slot(pointer.hoveredZone).cursorType));
  if (!pointer.pressed || pointer.hoveredZone >= 0) return;
  // The press position stays put: the window moves until the pointer is over it again.
  MainWindow& window = context.window();
  const QPoint travel(at.x() - pointer.pressX, at.y() - pointer.pressY);
  if (!travel.isNull()) window.move(window.pos() + travel);
}

void framePress(CommandContext& context, PictureView* view, QPoint at) {
  frameMove(context, view, at);
  ZoneState& zones = context.session().zones;
  zones.pointer.pressX = at.x();
  zones.pointer.pressY = at.y();
  zones.pointer.pressed = true;
  if (zones.pointer.hoveredZone < 0) return;
  const HotZone& zone = zones.table.slot(zones.pointer.hoveredZone);
  playClickSound(context, zone.sound);
  if (!zone.secondValue.empty()) {
    CanvasView* framePicture = context.screen().framePicture();
    drawZonePicture(context.screen(), frameCanvas(context.screen()), zone, zone.secondValue);
    framePicture->update();
  }
  context.letEventsRun();
}

void frameRelease(CommandContext& context, PictureView* view, QPoint at) {
  ZoneState& zones = context.session().zones;
  zones.pointer.pressed = false;
  frameMove(context, view, at);
  if (zones.pointer.hoveredZone < 0) return;
  const HotZone clicked = zones.table.slot(zones.pointer.hoveredZone);
  if (!clicked.secondValue.empty()) {
    CanvasView* framePicture = context.screen().framePicture();
    drawZonePicture(context.screen(), frameCanvas(context.screen()), clicked, clicked.firstValue);
    framePicture->update();
    context.letEventsRun();
  }
  zones.pointer.clickOffsetX = at.x() - clicked.left;
  zones.pointer.clickOffsetY = at.y() - clicked.top;
  if (clicked.action == "picFmap") {
    toggleMapPage(context);
    return;
  }
  runZoneAction(context, clicked.action, false);
}

void connectFrameSurface(CommandContext& context, PictureView* view) {
  view->onMove = [&context, view](QPoint at) { frameMove(context, view, at); };
  view->onPress = [&context, view](QPoint at, Qt::MouseButton) { framePress(context, view, at); };
  // The opening picture's own release (the start click) still happens after the zone's.
  auto previousRelease = view->onRelease;
  view->onRelease = [&context, view, previousRelease](QPoint at, Qt::MouseButton button) {
    frameRelease(context, view, at);
    if (previousRelease) previousRelease(at, button);
  };
}

std::string endButtonFolder(const GameSession& s) { return s.GameFolder.empty() ? s.ProgramFolder : s.GameFolder; }

void showEndButton(CommandContext& context, const std::string& prefix) {
  FramePage& frame = context.screen().frame();
  QImage picture;
  if (loadFolderPicture(context.session(), endButtonFolder(context.session()), prefix + frame.endButtonName(), picture)) {
    frame.endButton->setPicture(std::move(picture));
  }
}

void connectEndButton(CommandContext& context) {
  PictureView* button = context.screen().endButton();
  button->onPress = [&context](QPoint, Qt::MouseButton) {
    showEndButton(context, "D-");
    playClickSound(context, kEndPressSound);
  };
  button->onRelease = [&context](QPoint, Qt::MouseButton) {
    showEndButton(context, "U-");
    playClickSound(context, kEndReleaseSound);
    context.letEventsRun();
    std::this_thread::sleep_for(std::chrono::milliseconds(kEndDelayMs));
    context.endProgram();
  };
}

void connectCaptionsAndWheel(CommandContext& context) {
  Screen& screen = context.screen();
  auto runScreenScript = [&context] {
    const std::string script = context.session().zones.screenScript;
    if (!script.empty()) context.runScript(script);
  };
  for (QLabel* caption : {screen.caption(), screen.captionShadow()})
    caption->installEventFilter(new PressWatcher(caption, runScreenScript));

  // Picture widgets take the wheel themselves, so they pass it to what it scrolls.
  MemoBox& memo = screen.memoBox();
  for (PictureView* view : {static_cast<PictureView*>(screen.pictureScreen()), static_cast<PictureView*>(screen.panelPicture()),
                            static_cast<PictureView*>(screen.framePicture())})
    view->onWheel = [&memo](int delta) { memo.wheel(delta); };
  QScrollArea* box = screen.scrollPage().scrollBox;
  screen.scrollPicture()->onWheel = [box](int delta) {
    QScrollBar* bar = box->verticalScrollBar();
    bar->setValue(bar->value() - delta);
  };
}

}  // namespace

void connectFramePointer(CommandContext& context) {
  connectFrameSurface(context, context.screen().framePicture());
  connectFrameSurface(context, context.window().openingPicture());
  connectEndButton(context);
  connectCaptionsAndWheel(context);
}

}  // namespace taluvin
