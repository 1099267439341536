// Dragging the map and its marker, and the marker's click that leaves the map for the return script.
#include "interact/pointer_handlers.h"

#include "present/extra_pages.h"
#include "present/screen.h"
#include "script/command_context.h"
#include "state/game_session.h"

namespace taluvin {

namespace {

void startDrag(MapState& map, QPoint at) {
  map.dragging = true;
  map.dragX = at.x();
  map.dragY = at.y();
}

// The map follows the pointer: the box scrolls against the pointer's move. The map moves under a
// pointer that stays put, so the pointer comes back to where the drag began in the map's terms.
void dragMap(MapPage& page, const MapState& map, QPoint at) {
  if (!map.dragging) return;
  const QPoint scroll = page.scrollOffset();
  page.scrollTo(scroll.x() + (map.dragX - at.x()), scroll.y() + (map.dragY - at.y()));
}

void dragMarker(MapPage& page, const MapState& map, QPoint at) {
  if (!map.dragging) return;
  const QPoint now = page.youAreHere->pos();
  page.placeMarker(now.x() + (at.x() - map.dragX), now.y() + (at.y() - map.dragY));
}

void connectMapPage(CommandContext& context, MapPage& page) {
  MapState& map = context.session().map;
  page.mapPicture->onPress = [&map](QPoint at, Qt::MouseButton) { startDrag(map, at); };
  page.mapPicture->onMove = [&page, &map](QPoint at) { dragMap(page, map, at); };
  page.mapPicture->onRelease = [&map](QPoint, Qt::MouseButton) { map.dragging = false; };
  page.youAreHere->onPress = [&map](QPoint at, Qt::MouseButton) { startDrag(map, at); };
  page.youAreHere->onMove = [&page, &map](QPoint at) { dragMarker(page, map, at); };
  // A dragged marker stays under the pointer, so the release that ends its drag is a click too.
  page.youAreHere->onRelease = [&context, &page, &map](QPoint at, Qt::MouseButton) {
    map.dragging = false;
    if (!page.youAreHere->rect().contains(at)) return;
    context.screen().showModelPage();
    // A copy: the run may change the return script while it runs.
    const std::string script = context.session().RetScp;
    context.runScript(script);
  };
}

}  // namespace

void connectMapPointer(CommandContext& context) {
  context.screen().whenMapPageMade([&context](MapPage& page) { connectMapPage(context, page); });
}

}  // namespace taluvin
