// The picture screen, scroll page and command panel: hover cursors, pressed pictures and clicks.
#include "interact/pointer_handlers.h"

#include "app/main_window.h"
#include "app/player.h"
#include "interact/zone_action.h"
#include "interact/zone_drawing.h"
#include "present/command_panel.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "services/sound_commands.h"
#include "state/game_session.h"

namespace taluvin {

namespace {

// How one surface behaves; the three differ only in these points.
struct SurfaceRules {
  ZoneGroup group;
  bool runsScreenScript;  // a press first runs the picture-screen script
  bool soundOnlyWithPressedPicture;
  bool mapToggle;         // "picFmap" toggles the map instead of naming a script
  bool letEventsBeforeAction;
};

// Hover: arrow, then the shape of every zone hit in ascending order, so the highest slot wins.
void hover(Player& player, PictureView* view, ZoneGroup group, QPoint at) {
  ZoneState& zones = player.session().zones;
  zones.pointer.hoveredZone = zones.table.hitTest(group, at.x(), at.y());
  view->setCursor(zones.pointer.hoveredZone < 0
                      ? Qt::ArrowCursor
                      : cursorShapeFor(zones.table.slot(zones.pointer.hoveredZone).cursorType));
}

const HotZone* hoveredZone(Player& player) {
  ZoneState& zones = player.session().zones;
  const int index = zones.pointer.hoveredZone;
  if (index < 0) return nullptr;
  const HotZone& zone = zones.table.slot(index);
  return zone.active ? &zone : nullptr;
}

void showZonePicture(Player& player, CanvasView* view, const HotZone& zone, const std::string& name) {
  drawZonePicture(player.mainWindow().screen(), view->picture(), zone, name);
  view->update();
  player.letEventsRun();
}

void press(Player& player, CanvasView* view, const SurfaceRules& rules, QPoint at) {
  GameSession& s = player.session();
  if (rules.runsScreenScript && !s.zones.screenScript.empty()) {
    // A copy: the run empties the picture-screen script before it reads the name.
    const std::string script = s.zones.screenScript;
    player.runScript(script);
  }
  hover(player, view, rules.group, at);
  const HotZone* zone = hoveredZone(player);
  if (!zone) return;
  const bool hasPressed = !zone->secondValue.empty();
  if (!rules.soundOnlyWithPressedPicture || hasPressed) playClickSound(player, zone->sound);
  if (hasPressed) showZonePicture(player, view, *zone, zone->secondValue);
}

void release(Player& player, CanvasView* view, const SurfaceRules& rules, QPoint at) {
  GameSession& s = player.session();
  s.zones.pointer.pressed = false;
  hover(player, view, rules.group, at);
  const HotZone* zone = hoveredZone(player);
  if (!zone) return;
  const HotZone clicked = *zone;  // the action may run a script that refills the slot
  if (!clicked.secondValue.empty()) showZonePicture(player, view, clicked, clicked.firstValue);
  s.zones.pointer.clickOffsetX = at.x() - clicked.left;
  s.zones.pointer.clickOffsetY = at.y() - clicked.top;
  if (rules.mapToggle && clicked.action == "picFmap") {
    toggleMapPage(player);
    return;
  }
  runZoneAction(player, clicked.action, rules.letEventsBeforeAction);
}

void connectSurface(Player& player, CanvasView* view, SurfaceRules rules) {
  view->onMove = [&player, view, rules](QPoint at) { hover(player, view, rules.group, at); };
  view->onPress = [&player, view, rules](QPoint at, Qt::MouseButton) { press(player, view, rules, at); };
  view->onRelease = [&player, view, rules](QPoint at, Qt::MouseButton) { release(player, view, rules, at); };
}

}  // namespace

void connectPointerHandlers(Player& player) {
  Screen& screen = player.mainWindow().screen();
  connectSurface(player, screen.tela(), {ZoneGroup::Screen, true, true, true, true});
  connectSurface(player, screen.tela3(), {ZoneGroup::Page, false, false, false, true});
  connectSurface(player, screen.telCmd(), {ZoneGroup::Panel, false, false, true, false});
  connectFramePointer(player);
}

}  // namespace taluvin
