// Dragging the map and its marker, and the marker's click (or Escape) that leaves the map for the return script.
#include "interact/pointer_handlers.h"

#include "present/extra_pages.h"
#include "present/paged_book.h"
#include "present/screen.h"
#include "script/command_context.h"
#include "state/game_session.h"

#include <QKeyEvent>

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

void leaveMap(CommandContext& context) {
  context.screen().showModelPage();
  // A copy: the run may change the return script while it runs.
  const std::string script = context.session().RetScp;
  context.runScript(script);
}

// Escape leaves the map as a click on the marker does. No widget of the map page takes the key, so
// it reaches the window that holds them, where this looks for it; a key some other control takes
// (the save slots' list closing on Escape) never gets here.
class MapEscape : public QObject {
 public:
  MapEscape(CommandContext& context, QWidget* window) : QObject(window), context_(context) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
    if (context_.screen().gameBook()->currentPageName() != "Mapa") return false;
    // Keys act on their release, as the command line's do.
    if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) leaveMap(context_);
    return true;
  }

 private:
  CommandContext& context_;
};

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
    leaveMap(context);
  };
}

}  // namespace

void connectMapPointer(CommandContext& context) {
  context.screen().whenMapPageMade([&context](MapPage& page) { connectMapPage(context, page); });
  new MapEscape(context, context.screen().gameBook()->window());
}

}  // namespace taluvin
