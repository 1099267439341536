// What the keyboard can reach: the active hot zones and links shown, in reading order.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QTextBrowser;

namespace taluvin {

class CommandContext;
struct HotZone;
struct MapPage;

// One stop of the keyboard: a zone of a surface, the map's marker, or a link of the web page.
struct FocusTarget {
  QPointer<QWidget> surface;  // the widget a click on it reaches (a link: the view's viewport)
  QRect rect;                 // in the surface's own pixels
  int slot = -1;              // the zone's slot; -1 for the marker and links
  std::string action;         // what a click runs: the zone's action, the link's address
  QString label;              // what the player is told the stop is
  int link = -1;              // a link's place among the page's links

  // The same stop after the order was made again: same surface, same slot or link and action, and
  // for a zone the same place. A zone a run made anew in the same slot is the same stop; a link
  // moves when the page scrolls.
  bool sameStop(const FocusTarget& other) const {
    return surface == other.surface && slot == other.slot && link == other.link && action == other.action &&
           (link >= 0 || rect == other.rect);
  }
  QPoint centre() const { return rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2); }
};

// The surfaces made after start-up, as they become known.
struct LaterSurfaces {
  MapPage* map = nullptr;
  QPointer<QTextBrowser> web;
};

// Every stop the windows the player looks at show: the monitor window's in model "4", the main
// window's otherwise, each only while its surface is visible; sorted top to bottom, then left to
// right, by where they lie on the screen.
std::vector<FocusTarget> focusTargets(CommandContext& context, const LaterSurfaces& later);

// A zone's label: its text, or its action made readable ("sala_norte&Prm=2" reads "sala norte").
QString zoneLabel(const HotZone& zone);

}  // namespace taluvin
