// The pointer over a visor: dragging panoramas, turning and walking through four views, and its elements.
#include "interact/pointer_handlers.h"

#include "base/numbers.h"
#include "interact/zone_action.h"
#include "present/canvas.h"
#include "present/screen.h"
#include "present/visor_view.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "state/game_session.h"

#include <QCursor>
#include <algorithm>

namespace taluvin {

namespace {

constexpr int kFirstElement = 100;
constexpr int kLastElement = 119;
constexpr int kFacings = 4;
// Cursor types over the regions of a four-way view.
constexpr int kTurnLeftCursor = 6, kTurnRightCursor = 3, kAheadCursor = 9, kBackCursor = 2;
constexpr int kDragCursor = 1;

// Whether the view on this surface is the visor's: Tela in model "1", Tela3 in model "3".
bool visorOn(CommandContext& context, CanvasView* view) {
  return context.session().visor.defined && visorTarget(context.screen()) == view;
}

// The facing a script left in the register, as a number 0-3 (text that is no number faces 0).
int facing(const GameSession& s) {
  const VisorState& visor = s.visor;
  if (!s.registers.has(visor.facingRegister)) return 0;
  const auto value = parseInt(s.registers.at(visor.facingRegister));
  return value ? ((*value % kFacings) + kFacings) % kFacings : 0;
}

// The script ahead in direction d; "0" where there is none, as the view command filled them.
std::string scriptAhead(const GameSession& s, int direction) {
  const int64_t index = int64_t{s.visor.facingRegister} + direction + 1;
  return s.registers.has(index) ? s.registers.at(index) : std::string("0");
}

void redraw(CommandContext& context) {
  const VisorState& visor = context.session().visor;
  if (CanvasView* target = visorTarget(context.screen()))
    drawVisorView(context.screen(), *target, QRect(visor.offsetX, visor.offsetY, visor.width, visor.height));
}

void regionCursor(CommandContext& context, CanvasView* view, QPoint at) {
  const GameSession& s = context.session();
  const VisorState& visor = s.visor;
  const int third = visor.width / 3, quarter = visor.height / 4;
  const int f = facing(s);
  if (at.x() < third)
    view->setCursor(cursorShapeFor(kTurnLeftCursor));
  else if (at.x() > 2 * third)
    view->setCursor(cursorShapeFor(kTurnRightCursor));
  else if (at.x() > third && at.x() < 2 * third) {
    if (at.y() < 3 * quarter && scriptAhead(s, f) != "0") view->setCursor(cursorShapeFor(kAheadCursor));
    if (at.y() > 3 * quarter && scriptAhead(s, (f + 2) % kFacings) != "0") view->setCursor(cursorShapeFor(kBackCursor));
  }
}

// A panorama follows the pointer: "180" stops with the view on the strip, "360" goes round.
void drag(VisorState& visor, QPoint at) {
  if (visor.mode == "180") {
    visor.offsetX += at.x() - visor.lastX;
    visor.offsetY += at.y() - visor.lastY;
    visor.lastX = at.x();
    visor.lastY = at.y();
    visor.offsetX = std::max(visor.offsetX, 0);
    visor.offsetY = std::max(visor.offsetY, 0);
    visor.offsetY = std::min(visor.offsetY, visor.strip.height() - visor.height);
    visor.offsetX = std::min(visor.offsetX, visor.strip.width() - visor.width);
    visor.savedOffsetX = visor.offsetX;
  } else if (visor.mode == "360") {
    visor.offsetX += at.x() - visor.lastX;
    visor.lastX = at.x();
    // However far one move goes, the offset stays on the strip.
    const int width = visor.strip.width();
    if (width > 0) visor.offsetX = ((visor.offsetX % width) + width) % width;
  }
}

// The highest element under the pointer; "fig" and "lnk" lie on the strip and move with it.
int elementAt(const GameSession& s, QPoint at) {
  const VisorState& visor = s.visor;
  int hit = -1;
  for (int index = kFirstElement; index <= kLastElement; ++index) {
    const HotZone& zone = s.zones.table.slot(index);
    const bool onStrip = zone.kind == "fig" || zone.kind == "lnk";
    const QPoint shift = onStrip ? QPoint(visor.savedOffsetX, visor.offsetY) : QPoint();
    if (zone.contains(at.x() + shift.x(), at.y() + shift.y())) hit = index;
  }
  return hit;
}

void visorMove(CommandContext& context, CanvasView* view, QPoint at) {
  GameSession& s = context.session();
  VisorState& visor = s.visor;
  if (view == context.screen().pictureScreen())
    view->setCursor(cursorShapeFor(s.zones.screenScript.empty() ? 0 : kDragCursor));
  s.zones.pointer.hoveredZone = -1;
  if (visor.mode == "000" || visor.mode == "090") view->setCursor(Qt::ArrowCursor);
  if (visor.mode == "090") regionCursor(context, view, at);
  if (s.zones.pointer.pressed) {
    if (visor.mode == "180" || visor.mode == "360") {
      view->setCursor(Qt::BlankCursor);
      drag(visor, at);
    }
  } else {
    const int hit = elementAt(s, at);
    if (hit >= 0) {
      s.zones.pointer.hoveredZone = hit;
      view->setCursor(cursorShapeFor(s.zones.table.slot(hit).cursorType));
    }
  }
  redraw(context);
}

// "090": the left and right thirds turn, the middle walks ahead (above) or back (below).
void pressRegion(CommandContext& context, QPoint at) {
  GameSession& s = context.session();
  VisorState& visor = s.visor;
  const int third = visor.width / 3, quarter = visor.height / 4;
  int f = facing(s);
  if (at.x() < third || at.x() > 2 * third) {
    f = (f + (at.x() < third ? kFacings - 1 : 1)) % kFacings;
    if (s.registers.has(visor.facingRegister)) s.registers.set(visor.facingRegister, std::to_string(f));
    visor.offsetX = visor.savedOffsetX = f * visor.width;
    redraw(context);
  } else if (at.x() > third && at.x() < 2 * third) {
    // A register holding "0" is run all the same: the runner then says the script is missing.
    const std::string script = scriptAhead(s, at.y() < 3 * quarter ? f : (f + 2) % kFacings);
    runZoneAction(context, script, true);
  }
}

void visorPress(CommandContext& context, CanvasView* view, QPoint at) {
  GameSession& s = context.session();
  if (view == context.screen().pictureScreen() && !s.zones.screenScript.empty()) {
    // A copy: the run empties the picture-screen script before it reads the name. The run also
    // ends the visor unless it defines one again.
    const std::string script = s.zones.screenScript;
    context.runScript(script);
    if (!visorOn(context, view)) return;
  }
  const int hovered = s.zones.pointer.hoveredZone;
  if (hovered >= kFirstElement && hovered <= kLastElement) {
    const HotZone& element = s.zones.table.slot(hovered);
    if (element.active && !element.action.empty()) {
      const std::string action = element.action;  // the run may refill the slot
      runZoneAction(context, action, true);
      return;
    }
  }
  VisorState& visor = s.visor;
  s.zones.pointer.pressed = true;
  s.zones.pointer.pressX = visor.lastX = at.x();
  s.zones.pointer.pressY = visor.lastY = at.y();
  const QPoint onScreen = QCursor::pos();
  visor.pressScreenX = onScreen.x();
  visor.pressScreenY = onScreen.y();
  if (visor.mode == "180" || visor.mode == "360") view->setCursor(Qt::BlankCursor);
  if (visor.mode == "090") pressRegion(context, at);
}

void visorRelease(CommandContext& context, CanvasView* view, QPoint at) {
  GameSession& s = context.session();
  if (!s.zones.pointer.pressed) {
    // The element's action ran when the button went down; the release only tells where it was hit.
    const int hovered = s.zones.pointer.hoveredZone;
    if (hovered >= kFirstElement && hovered <= kLastElement) {
      const HotZone& element = s.zones.table.slot(hovered);
      s.zones.pointer.clickOffsetX = at.x() - element.left;
      s.zones.pointer.clickOffsetY = at.y() - element.top;
    }
    return;
  }
  s.zones.pointer.pressed = false;
  view->setCursor(Qt::ArrowCursor);
  // The pointer comes back where the drag took hold, as the view moved instead of the pointer.
  if (!context.headless()) QCursor::setPos(s.visor.pressScreenX, s.visor.pressScreenY);
  visorMove(context, view, at);
}

// The surface's own handling stays for the times it shows no visor.
void wrapSurface(CommandContext& context, CanvasView* view) {
  auto plainMove = view->onMove;
  auto plainPress = view->onPress;
  auto plainRelease = view->onRelease;
  view->onMove = [&context, view, plainMove](QPoint at) {
    if (visorOn(context, view))
      visorMove(context, view, at);
    else if (plainMove)
      plainMove(at);
  };
  view->onPress = [&context, view, plainPress](QPoint at, Qt::MouseButton button) {
    if (visorOn(context, view))
      visorPress(context, view, at);
    else if (plainPress)
      plainPress(at, button);
  };
  view->onRelease = [&context, view, plainRelease](QPoint at, Qt::MouseButton button) {
    if (visorOn(context, view))
      visorRelease(context, view, at);
    else if (plainRelease)
      plainRelease(at, button);
  };
}

}  // namespace

void connectVisorPointer(CommandContext& context) {
  wrapSurface(context, context.screen().pictureScreen());
  wrapSurface(context, context.screen().scrollPicture());
}

}  // namespace taluvin
