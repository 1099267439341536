// The picture screen, scroll page and command panel: hover cursors, pressed pictures and clicks.
#include "interact/pointer_handlers.h"

#include "interact/zone_action.h"
#include "present/command_panel.h"
#include "present/main_window.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "services/sound_commands.h"
#include "state/game_session.h"

namespace taluvin {

namespace {

// How one surface behaves; the three differ only in these points.
struct SurfaceRules {
  Surface surface;
  bool runsScreenScript;  // a press first runs the picture-screen script
  bool soundOnlyWithPressedPicture;
  bool mapToggle;         // "picFmap" toggles the map instead of naming a script
  bool letEventsBeforeAction;
};

// Hover: arrow, then the shape of every zone hit in ascending order, so the highest slot wins.
void hover(CommandContext& context, PictureView* view, Surface surface, QPoint at) {
  ZoneState& zones = context.session().zones;
  zones.pointer.hoveredZone = zones.table.hitTest(surface, at.x(), at.y());
  view->setCursor(zones.pointer.hoveredZone < 0
                      ? Qt::ArrowCursor
                      : cursorShapeFor(zones.table.slot(zones.pointer.hoveredZone).cursorType));
}

void showZonePicture(CommandContext& context, CanvasView* view, const HotZone& zone, const std::string& name) {
  drawZonePicture(context.screen(), view->picture(), zone, name);
  view->update();
  context.letEventsRun();
}

void press(CommandContext& context, CanvasView* view, const SurfaceRules& rules, QPoint at) {
  GameSession& s = context.session();
  if (rules.runsScreenScript && !s.zones.screenScript.empty()) {
    // A copy: the run empties the picture-screen script before it reads the name.
    const std::string script = s.zones.screenScript;
    context.runScript(script);
  }
  hover(context, view, rules.surface, at);
  const HotZone* zone = context.session().zones.hoveredZone();
  if (!zone) return;
  const bool hasPressed = !zone->secondValue.empty();
  if (!rules.soundOnlyWithPressedPicture || hasPressed) playClickSound(context, zone->sound);
  if (hasPressed) showZonePicture(context, view, *zone, zone->secondValue);
}

void release(CommandContext& context, CanvasView* view, const SurfaceRules& rules, QPoint at) {
  GameSession& s = context.session();
  s.zones.pointer.pressed = false;
  hover(context, view, rules.surface, at);
  const HotZone* zone = context.session().zones.hoveredZone();
  if (!zone) return;
  const HotZone clicked = *zone;  // the action may run a script that refills the slot
  if (!clicked.secondValue.empty()) showZonePicture(context, view, clicked, clicked.firstValue);
  s.zones.pointer.clickOffsetX = at.x() - clicked.left;
  s.zones.pointer.clickOffsetY = at.y() - clicked.top;
  if (rules.mapToggle && clicked.action == "picFmap") {
    toggleMapPage(context);
    return;
  }
  runZoneAction(context, clicked.action, rules.letEventsBeforeAction);
}

void connectSurface(CommandContext& context, CanvasView* view, SurfaceRules rules) {
  view->onMove = [&context, view, rules](QPoint at) { hover(context, view, rules.surface, at); };
  view->onPress = [&context, view, rules](QPoint at, Qt::MouseButton) { press(context, view, rules, at); };
  view->onRelease = [&context, view, rules](QPoint at, Qt::MouseButton) { release(context, view, rules, at); };
}

}  // namespace

void connectPointerHandlers(CommandContext& context) {
  Screen& screen = context.screen();
  connectSurface(context, screen.pictureScreen(), {Surface::PictureScreen, true, true, true, true});
  connectSurface(context, screen.scrollPicture(), {Surface::ScrollPage, false, false, false, true});
  connectSurface(context, screen.panelPicture(), {Surface::CommandPanel, false, false, true, false});
  connectFramePointer(context);
  connectMapPointer(context);
  connectVisorPointer(context);
}

}  // namespace taluvin
