// The monitor window's handling: its picture's zones, the text box, the captions, the input and the keys.
#include "interact/monitor_pointer.h"

#include "base/text.h"
#include "interact/typed_commands.h"
#include "interact/zone_action.h"
#include "present/layout_settings.h"
#include "present/memo_box.h"
#include "present/monitor_window.h"
#include "present/picture_file.h"
#include "present/screen.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "script/script_file.h"
#include "services/sound_commands.h"
#include "state/game_session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QtMath>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace taluvin {

namespace {

using Mode = TypingState::MonitorInputMode;

int hitTest(CommandContext& context, Surface surface, QPoint at) {
  ZoneState& zones = context.session().zones;
  zones.pointer.hoveredZone = zones.table.hitTest(surface, at.x(), at.y());
  return zones.pointer.hoveredZone;
}

void showZonePicture(CommandContext& context, CanvasView* view, const HotZone& zone, const std::string& name) {
  drawZonePicture(context.screen(), view->picture(), zone, name);
  view->update();
  context.letEventsRun();
}

// Scripts place things in virtual-screen units, so the click offset is taken back out of the scale.
void setClickOffset(CommandContext& context, const HotZone& zone, QPoint at) {
  GameSession& s = context.session();
  const double scale = s.screen.monitor.scale > 0 ? s.screen.monitor.scale : 1.0;
  s.zones.pointer.clickOffsetX = static_cast<int>((at.x() - zone.left) / scale);
  s.zones.pointer.clickOffsetY = static_cast<int>((at.y() - zone.top) / scale);
}

void runScreenScript(CommandContext& context) {
  // A copy: the run empties the picture-screen script before it reads the name.
  const std::string script = context.session().zones.screenScript;
  if (!script.empty()) context.runScript(script);
}

void connectMonitorPicture(CommandContext& context, CanvasView* view) {
  view->onMove = [&context, view](QPoint at) {
    const int hit = hitTest(context, Surface::Monitor, at);
    view->setCursor(hit < 0 ? Qt::ArrowCursor
                            : cursorShapeFor(context.session().zones.table.slot(hit).cursorType));
  };
  view->onPress = [&context, view](QPoint at, Qt::MouseButton) {
    hitTest(context, Surface::Monitor, at);
    const HotZone* zone = context.session().zones.hoveredZone();
    if (!zone && !context.session().zones.screenScript.empty()) {
      runScreenScript(context);
      return;
    }
    if (!zone || zone->secondValue.empty()) return;
    playClickSound(context, zone->sound);
    showZonePicture(context, view, *zone, zone->secondValue);
  };
  view->onRelease = [&context, view](QPoint at, Qt::MouseButton) {
    hitTest(context, Surface::Monitor, at);
    const HotZone* zone = context.session().zones.hoveredZone();
    if (!zone) return;
    const HotZone clicked = *zone;  // the action may run a script that refills the slot
    if (!clicked.secondValue.empty()) showZonePicture(context, view, clicked, clicked.firstValue);
    setClickOffset(context, clicked, at);
    runZoneAction(context, clicked.action, true);
  };
}

// The text box: links under the pointer, and the text itself dragged up and down.
class MonitorMemoPointer {
 public:
  MonitorMemoPointer(CommandContext& context, MonitorWindow& monitor)
      : context_(context), monitor_(monitor), memo_(*monitor.memo) {}

  void move(QPoint at, QPoint global) {
    CanvasView* image = memo_.memoImage;
    if (dragging_) {
      dragTo(global.y());
      return;
    }
    image->setCursor(Qt::ArrowCursor);
    if (hitTest(context_, Surface::Memo, at) < 0) return;
    image->setCursor(Qt::DragMoveCursor);
    const HotZone* zone = context_.session().zones.hoveredZone();
    if (zone && !namesPicture(zone->firstValue)) decorate(*zone);
  }

  void press(QPoint at, QPoint global) {
    hitTest(context_, Surface::Memo, at);
    const HotZone* zone = context_.session().zones.hoveredZone();
    if (!zone) {
      dragging_ = true;
      pressY_ = global.y();
      pressTop_ = memo_.memoImage->y();
      QApplication::setOverrideCursor(Qt::ClosedHandCursor);
      return;
    }
    playClickSound(context_, zone->sound);
    if (!zone->secondValue.empty()) showZonePicture(context_, memo_.memoImage, *zone, zone->secondValue);
  }

  void release(QPoint at) {
    // A drag that ends over a link is not a click on it.
    if (std::exchange(dragging_, false)) {
      QApplication::restoreOverrideCursor();
      return;
    }
    hitTest(context_, Surface::Memo, at);
    const HotZone* zone = context_.session().zones.hoveredZone();
    if (!zone) return;
    const HotZone clicked = *zone;
    if (!clicked.secondValue.empty()) showZonePicture(context_, memo_.memoImage, clicked, clicked.firstValue);
    setClickOffset(context_, clicked, at);
    runZoneAction(context_, clicked.action, true);
  }

 private:
  void dragTo(int globalY) {
    const int step = std::max(memo_.step, 1);
    const int top = std::clamp(pressTop_ + globalY - pressY_, -(memo_.travel * step), 0);
    memo_.memoImage->move(memo_.memoImage->x(), top);
    memo_.position = -top / step;
    memo_.memoThumb->move(memo_.memoThumb->x(), memo_.position);
  }

  // The link's underline stays on the image until the memo is drawn again.
  void decorate(const HotZone& zone) {
    const std::string& code = monitor_.memoDecoration;
    CanvasView* image = memo_.memoImage;
    if (code == "0") {
      image->setCursor(Qt::ArrowCursor);
      return;
    }
    if (code != "2" && code != "3") return;
    GameSession& s = context_.session();
    const QColor colour = code == "2" ? textColour(s) : paintColor(s.settings.line(21), visitedColour(s));
    const int pen = std::max(static_cast<int>(s.screen.monitor.scale), 1);
    const int y = zone.top + zone.height - 6;
    QPainter painter(&image->picture());
    painter.setPen(QPen(colour, pen));
    painter.drawLine(zone.left, y, zone.left + zone.width, y);
    painter.end();
    image->update();
  }

  CommandContext& context_;
  MonitorWindow& monitor_;
  MemoBox& memo_;
  bool dragging_ = false;
  int pressY_ = 0;
  int pressTop_ = 0;
};

class CaptionPress : public QObject {
 public:
  CaptionPress(QObject* parent, CommandContext& context) : QObject(parent), context_(context) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) runScreenScript(context_);
    return false;
  }

 private:
  CommandContext& context_;
};

// The window sees every key before its controls. Enter is the window's (the picture-screen script),
// except in the input: in register mode the input completes as the main window's register box does,
// and in command mode the release of Enter enters one phrase.
class MonitorKeys : public QObject {
 public:
  MonitorKeys(QObject* parent, CommandContext& context, MonitorWindow& monitor)
      : QObject(parent), context_(context), monitor_(monitor) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    const bool inInput = watched == monitor_.input;
    const Mode mode = context_.session().typing.monitorInputMode;
    if (event->type() == QEvent::KeyPress) {
      enterDown_ = inInput;
      if (!(inInput && mode == Mode::Register)) runScreenScript(context_);
      return true;
    }
    if (key->isAutoRepeat() || !std::exchange(enterDown_, false) || !inInput) return true;
    if (mode == Mode::Register) completeRegister();
    if (mode == Mode::Command) enterPhrase();
    return true;
  }

 private:
  void completeRegister() {
    GameSession& s = context_.session();
    const RegisterInput target = s.typing.registerInput;
    if (s.registers.has(target.reg)) s.registers.set(target.reg, fromQt(monitor_.input->toPlainText()));
    monitor_.input->hide();
    if (!target.script.empty()) context_.runScript(target.script);
  }

  void enterPhrase() {
    GameSession& s = context_.session();
    s.typing.monitorInputMode = Mode::None;
    const std::string typed = fromQt(monitor_.input->toPlainText());
    if (trimView(typed).empty()) {
      if (const std::string place = s.Posic; !place.empty()) context_.runScript(place);
      return;
    }
    const std::string phrase = normalizeTyped(typed);
    s.typing.LastCommand = phrase;
    s.typing.TypedWords = splitWords(phrase);
    const auto vocabulary = readVocabulary(s);
    if (!vocabulary) context_.traceLine(missingVocabularyMessage(s));
    const std::string script = vocabulary ? lookupPhrase(*vocabulary, phrase) : std::string();
    monitor_.input->clear();
    const RegisterInput target = s.typing.registerInput;
    if (s.registers.has(target.reg)) s.registers.set(target.reg, script);
    const std::string next = script.empty() ? target.script : script;
    if (!next.empty()) context_.runScript(next);
  }

  CommandContext& context_;
  MonitorWindow& monitor_;
  bool enterDown_ = false;
};

// Forwards the text image's pointer events with their screen positions, which a drag follows.
class MemoImageEvents : public QObject {
 public:
  MemoImageEvents(QObject* parent, CommandContext& context, MonitorWindow& monitor)
      : QObject(parent), pointer_(context, monitor) {}
  bool eventFilter(QObject*, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
      return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // Under a scaled window the pointer lies between design pixels: it is on the one it covers.
    const QPoint at(qFloor(mouse->position().x()), qFloor(mouse->position().y()));
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseMove) pointer_.move(at, global);
    if (type == QEvent::MouseButtonPress) pointer_.press(at, global);
    if (type == QEvent::MouseButtonRelease) pointer_.release(at);
    return true;
  }

 private:
  MonitorMemoPointer pointer_;
};

}  // namespace

void connectMonitorHandlers(CommandContext& context) {
  MonitorWindow& monitor = context.monitor();
  connectMonitorPicture(context, monitor.monitorPicture);
  monitor.memo->memoImage->installEventFilter(new MemoImageEvents(&monitor, context, monitor));
  for (QLabel* caption : {monitor.caption, monitor.captionShadow})
    caption->installEventFilter(new CaptionPress(caption, context));
  auto* keys = new MonitorKeys(&monitor, context, monitor);
  monitor.installEventFilter(keys);
  monitor.input->installEventFilter(keys);
}

}  // namespace taluvin
