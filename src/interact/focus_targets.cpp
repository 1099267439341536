// Gathering the keyboard's stops from the zone table, the map's marker and the web page's links.
#include "interact/focus_targets.h"

#include "base/text.h"
#include "present/extra_pages.h"
#include "present/main_window.h"
#include "present/memo_box.h"
#include "present/monitor_window.h"
#include "present/picture_file.h"
#include "present/screen.h"
#include "present/visor_view.h"
#include "script/command_context.h"
#include "state/game_session.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>

namespace taluvin {

namespace {

bool shown(QWidget* surface) { return surface && surface->isVisible() && surface->width() > 0; }

// The pixels a zone answers on: both edges count.
QRect answering(const HotZone& zone) { return QRect(zone.left, zone.top, zone.width + 1, zone.height + 1); }

void addZone(std::vector<FocusTarget>& stops, QWidget* surface, int slot, const HotZone& zone, QPoint shift = {}) {
  if (!zone.active || zone.width < 0 || zone.height < 0 || zone.action.empty()) return;
  const QRect rect = answering(zone).translated(-shift);
  // A click lands where the centre is; a zone whose centre the surface does not hold takes none.
  const QPoint centre = rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
  if (!surface->rect().contains(centre)) return;
  stops.push_back({surface, rect, slot, zone.action, zoneLabel(zone)});
}

void addRange(std::vector<FocusTarget>& stops, const GameSession& s, QWidget* surface, Surface range) {
  if (!shown(surface)) return;
  const ZoneRange r = ZoneTable::range(range);
  for (int i = r.first; i <= r.last; ++i) addZone(stops, surface, i, s.zones.table.slot(i));
}

// Pictures and links of a visor lie on its strip and move with the panorama.
void addVisorElements(std::vector<FocusTarget>& stops, CommandContext& context) {
  const GameSession& s = context.session();
  CanvasView* view = visorTarget(context.screen());
  if (!s.visor.defined || !shown(view)) return;
  const ZoneRange r = ZoneTable::range(Surface::Visor);
  for (int i = r.first; i <= r.last; ++i) {
    const HotZone& zone = s.zones.table.slot(i);
    const bool onStrip = zone.kind == "fig" || zone.kind == "lnk";
    addZone(stops, view, i, zone, onStrip ? QPoint(s.visor.savedOffsetX, s.visor.offsetY) : QPoint());
  }
}

void addMarker(std::vector<FocusTarget>& stops, CommandContext& context, MapPage* map) {
  if (!map || !shown(map->youAreHere)) return;
  const std::string& back = context.session().RetScp;
  HotZone named;
  named.action = back;
  stops.push_back({map->youAreHere, map->youAreHere->rect(), -1, back, zoneLabel(named)});
}

// A picture's stand-in text: the last part of its address.
QString pictureName(const QTextImageFormat& image) {
  const QString name = image.name();
  return name.mid(name.lastIndexOf('/') + 1);
}

// The page's links in the document's order; neighbouring pieces with one address are one link,
// its rect the bounds of where its pieces start and end.
void addLinks(std::vector<FocusTarget>& stops, QTextBrowser* view) {
  if (!view || !shown(view->viewport())) return;
  QWidget* surface = view->viewport();
  const QTextDocument& document = *view->document();
  int count = 0;
  int open = -1;  // the link whose pieces are being read
  const size_t first = stops.size();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QTextFragment fragment = piece.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (!format.isAnchor() || format.anchorHref().isEmpty()) {
        open = -1;
        continue;
      }
      QTextCursor at(view->document());
      at.setPosition(fragment.position());
      QRect rect = view->cursorRect(at);
      at.setPosition(fragment.position() + fragment.length());
      rect |= view->cursorRect(at);
      QString text = format.isImageFormat() ? pictureName(format.toImageFormat()) : fragment.text();
      text.replace(QChar::Nbsp, ' ');
      const std::string href = fromQt(format.anchorHref());
      if (open >= 0 && stops[open].action == href) {
        stops[open].rect |= rect;
        stops[open].label += text;
      } else {
        open = static_cast<int>(stops.size());
        stops.push_back({surface, rect, -1, href, text, count++});
      }
    }
  }
  for (size_t i = first; i < stops.size(); ++i) stops[i].label = stops[i].label.simplified();
}

void addMonitorWindow(std::vector<FocusTarget>& stops, const GameSession& s, MonitorWindow& monitor) {
  addRange(stops, s, monitor.monitorPicture, Surface::Monitor);
  addRange(stops, s, monitor.memo->memoImage, Surface::Memo);
}

void addMainWindow(std::vector<FocusTarget>& stops, CommandContext& context, const LaterSurfaces& later) {
  Screen& screen = context.screen();
  const GameSession& s = context.session();
  addRange(stops, s, screen.framePicture(), Surface::FramePicture);
  addRange(stops, s, screen.window().openingPicture(), Surface::FramePicture);
  addRange(stops, s, screen.panelPicture(), Surface::CommandPanel);
  if (!s.visor.defined || visorTarget(screen) != screen.pictureScreen())
    addRange(stops, s, screen.pictureScreen(), Surface::PictureScreen);
  if (!s.visor.defined || visorTarget(screen) != screen.scrollPicture())
    addRange(stops, s, screen.scrollPicture(), Surface::ScrollPage);
  addVisorElements(stops, context);
  addMarker(stops, context, later.map);
  addLinks(stops, later.web);
}

}  // namespace

QString zoneLabel(const HotZone& zone) {
  if (!zone.firstValue.empty() && !choosesPictureDecoder(zone.firstValue))
    return toQt(zone.firstValue).simplified();
  std::string name = zone.action;
  if (name.rfind("http://", 0) == 0 || name.rfind("https://", 0) == 0) return toQt(name);
  name = name.substr(0, name.find('&'));
  name = name.substr(name.find_last_of("/\\") == std::string::npos ? 0 : name.find_last_of("/\\") + 1);
  if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  if (!name.empty() && name[0] == '@') name.erase(0, 1);
  std::replace_if(name.begin(), name.end(), [](char c) { return c == '_' || c == '-'; }, ' ');
  return toQt(name).simplified();
}

std::vector<FocusTarget> focusTargets(CommandContext& context, const LaterSurfaces& later) {
  std::vector<FocusTarget> stops;
  const GameSession& s = context.session();
  MonitorWindow* monitor = context.madeMonitor();
  if (monitor && monitor->isVisible() && s.Modelo.kind() == ScreenModel::Monitor)
    addMonitorWindow(stops, s, *monitor);
  else
    addMainWindow(stops, context, later);
  // Reading order on the screen; the table's order among zones at one place, as the hit test's.
  auto onScreen = [](const FocusTarget& t) { return t.surface->mapToGlobal(t.rect.topLeft()); };
  std::stable_sort(stops.begin(), stops.end(), [&](const FocusTarget& a, const FocusTarget& b) {
    const QPoint pa = onScreen(a), pb = onScreen(b);
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
  });
  return stops;
}

}  // namespace taluvin
