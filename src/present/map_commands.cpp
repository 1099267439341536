// The map page: loading and revealing the map, its thumbnail, opening and closing it, and its refresh.
#include "present/map_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/command_panel.h"
#include "present/extra_pages.h"
#include "present/layout_settings.h"
#include "present/picture_file.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "state/state_writer.h"
#include "world/register_file_commands.h"

#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace taluvin {

namespace {

const std::string kNoPlace = w(" <--- local inexistente");
const std::string kNoPiece = w(" <--- arquivo não encontrado");
const std::string kNotSaved = w(" <--- mapa não gravado");

bool thumbnailSurface(const std::string& word, Surface& surface) {
  if (word == "tel") surface = Surface::PictureScreen;
  else if (word == "fnc") surface = Surface::CommandPanel;
  else if (word == "pan") surface = Surface::FramePicture;
  else return false;
  return true;
}

std::string joinNumbers(std::initializer_list<int> numbers) {
  std::string text;
  for (int n : numbers) text += (text.empty() ? "" : ",") + std::to_string(n);
  return text;
}

// The part of the map's rectangle that lies on the map, copied unscaled to the same place relative
// to at; what lies off the map is left as the target had it.
void copyMapRegion(QImage& target, const QImage& map, const QRect& region, QPoint at) {
  const QRect onMap = region.intersected(map.rect());
  if (onMap.isEmpty() || target.isNull()) return;
  QPainter painter(&target);
  painter.drawImage(at + (onMap.topLeft() - region.topLeft()), map, onMap);
}

// The picture a script named, or nothing when it cannot be read.
QImage readGamePicture(const GameSession& s, const std::string& name) {
  QImage picture;
  if (!loadGamePicture(s, name, picture)) return QImage();
  return picture;
}

// The file's bytes match what was handed to the writer: the writer reports its failures to the
// program, not to the command that asked, and "addmap=" must not claim a map it did not save.
bool fileHolds(const std::string& path, const std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string held((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return held == bytes;
}

// Whole, through a temporary renamed over the old file, and done before the next line reads it.
bool saveMap(GameSession& s, const QImage& map, const std::string& name) {
  if (name.empty() || map.isNull() || !s.gameOpen() || isGameOwnFile(s, name)) return false;
  const auto path = s.resolveName(name);
  if (!path) return false;
  std::string bytes = encodeBmp(map);
  if (bytes.empty()) return false;
  StateSet set;
  set.addBytes(*path, bytes);
  set.submit();
  StateWriter::instance().drain(*path);
  // A later line of this run may name the new file in another letter case.
  s.folderNames.clear();
  return fileHolds(*path, bytes);
}

// Per axis: when the marker lies outside the view, the view centres on it as far as the map allows.
int scrollBringingIntoView(int scroll, int marker, int markerSize, int viewSize, int mapSize) {
  if (marker >= 0 && int64_t{marker} + markerSize <= viewSize) return scroll;
  const int64_t centred = int64_t{scroll} + marker + markerSize / 2 - viewSize / 2;
  return static_cast<int>(std::clamp<int64_t>(centred, 0, std::max(0, mapSize - viewSize)));
}

}  // namespace

Flow cmdLoadMap(ScriptInterpreter& ip) {
  // slot 1 = map picture (empty: no map), 2 = marker picture
  GameSession& s = ip.session();
  MapPage& map = ip.context().screen().mapPage();
  // An empty name empties the map; a picture that cannot be read leaves the map it had, so a later
  // "addmap=" still has something to reveal pieces on.
  if (ip.arg(1).empty()) {
    map.setMap(QImage());
  } else if (QImage picture = readGamePicture(s, ip.arg(1)); !picture.isNull()) {
    map.setMap(std::move(picture));
  }
  if (!ip.arg(2).empty() && gameFileExists(s, ip.arg(2))) {
    const QImage marker = readGamePicture(s, ip.arg(2));
    if (!marker.isNull()) map.setMarker(marker);
  }
  return Flow::Done;
}

Flow cmdDefinePicMap(ScriptInterpreter& ip) {
  // slot 1 = "tel", "fnc" or "pan", 2..5 = x, y, width, height
  MapState& m = ip.session().map;
  const std::string& word = ip.arg(1);
  ip.Trace += word;
  Surface surface;
  if (!thumbnailSurface(word, surface)) {
    ip.Trace += kNoPlace;
    return Flow::Done;
  }
  m.thumbnailTarget = word;
  m.thumbnailX = toIntOr(ip.arg(2), 0);
  m.thumbnailY = toIntOr(ip.arg(3), 0);
  m.thumbnailWidth = toIntOr(ip.arg(4), 0);
  m.thumbnailHeight = toIntOr(ip.arg(5), 0);
  if (ip.Trace.on()) ip.Trace += "," + joinNumbers({m.thumbnailX, m.thumbnailY, m.thumbnailWidth, m.thumbnailHeight});
  return Flow::Done;
}

Flow cmdPicMap(ScriptInterpreter& ip) {
  // slot 1, 2 = map x, map y (each empty: the last "picmap=" value)
  GameSession& s = ip.session();
  MapState& m = s.map;
  m.thumbnailMapX = numberOrAbort(ip.arg(1), m.thumbnailMapX);
  m.thumbnailMapY = numberOrAbort(ip.arg(2), m.thumbnailMapY);
  if (ip.Trace.on()) ip.Trace += joinNumbers({m.thumbnailMapX, m.thumbnailMapY});
  Surface surface;
  if (!thumbnailSurface(m.thumbnailTarget, surface)) return Flow::Done;

  Screen& screen = ip.context().screen();
  QImage* target = &screen.pictureBuffer().image();
  DrawStyle style = screen.pictureBuffer().style;
  if (surface == Surface::CommandPanel) {
    target = &screen.panelBuffer().image();
    style = screen.panelBuffer().style;
  } else if (surface == Surface::FramePicture) {
    target = &frameCanvas(screen);
    style = screen.framePicture()->style;
  }
  // Numbers a script may have made huge are cut to what a surface can hold before any sum.
  const QRect inside(boundedCoordinate(m.thumbnailX), boundedCoordinate(m.thumbnailY),
                     boundedCoordinate(m.thumbnailWidth), boundedCoordinate(m.thumbnailHeight));
  if (!target->isNull()) {
    QPainter painter(target);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(style.brushClear ? QBrush(Qt::NoBrush) : QBrush(style.brush));
    // The pen runs along the outer edge, one pixel around the thumbnail.
    painter.drawRect(inside.adjusted(-1, -1, 0, 0));
  }
  copyMapRegion(*target, screen.mapPage().mapPicture->picture(),
                QRect(QPoint(boundedCoordinate(m.thumbnailMapX), boundedCoordinate(m.thumbnailMapY)), inside.size()),
                inside.topLeft());
  if (surface == Surface::FramePicture) screen.framePicture()->update();

  HotZone zone;
  zone.action = "picFmap";
  zone.left = inside.x();
  zone.top = inside.y();
  zone.width = inside.width();
  zone.height = inside.height();
  zone.cursorType = 1;
  recordZoneIn(s.zones, surface, zone);
  return Flow::Done;
}

Flow cmdShowMap(ScriptInterpreter& ip) {
  // slot 1 = "on" or "off"; with "on": 2 = marker picture, 3, 4 = marker x, y
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  MapPage& map = screen.mapPage();
  if (ip.arg(1) == "off") {
    closeMapPage(screen);
    return Flow::Done;
  }
  if (ip.arg(1) != "on") return Flow::Done;
  if (!ip.arg(2).empty()) {
    const QImage marker = readGamePicture(s, ip.arg(2));
    if (!marker.isNull()) map.setMarker(marker);
  }
  s.map.markerX = toIntOr(ip.arg(3), 0);
  s.map.markerY = toIntOr(ip.arg(4), 0);
  s.map.layoutSaved = false;
  screen.commandLine()->hide();
  screen.gameBook()->showPage("Mapa");
  screen.gameBook()->resize(map.mapScroll->size());
  screen.letEventsRun();

  const QPoint scroll = map.scrollOffset();
  const QSize view = map.viewSize();
  const QSize mapSize = map.mapPicture->size();
  const QSize marker = map.youAreHere->size();
  map.scrollTo(scrollBringingIntoView(scroll.x(), s.map.markerX, marker.width(), view.width(), mapSize.width()),
               scrollBringingIntoView(scroll.y(), s.map.markerY, marker.height(), view.height(), mapSize.height()));
  map.placeMarker(boundedCoordinate(int64_t{scroll.x()} + s.map.markerX),
                  boundedCoordinate(int64_t{scroll.y()} + s.map.markerY));
  return Flow::Done;
}

Flow cmdPosMap(ScriptInterpreter& ip) {
  // slot 1, 2 = marker x, y; 3, 4 = scroll x, y
  MapState& m = ip.session().map;
  m.markerX = toIntOr(ip.arg(1), 0);
  m.markerY = toIntOr(ip.arg(2), 0);
  m.scrollX = toIntOr(ip.arg(3), 0);
  m.scrollY = toIntOr(ip.arg(4), 0);
  if (ip.Trace.on()) ip.Trace += joinNumbers({m.markerX, m.markerY, m.scrollX, m.scrollY});
  return Flow::Done;
}

Flow cmdAddMap(ScriptInterpreter& ip) {
  // slot 1, 2 = x, y on the map; 3 = piece picture; 4 = file the whole map is saved to, as BMP
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  const int x = toIntOr(ip.arg(1), 0);
  const int y = toIntOr(ip.arg(2), 0);
  const std::string& piece = ip.arg(3);
  if (ip.Trace.on()) ip.Trace += joinNumbers({x, y}) + "," + piece;
  if (!gameFileExists(s, piece)) {
    ip.Trace += kNoPiece;
    return Flow::Done;
  }
  QImage& work = screen.images().workImage->picture();
  std::string failure;
  if (!loadGamePicture(s, piece, work, &failure)) {
    if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
    return Flow::Done;
  }
  PictureView* map = screen.mapPage().mapPicture;
  drawPicture(map->picture(), work, QRect(QPoint(boundedCoordinate(x), boundedCoordinate(y)), work.size()));
  map->update();
  if (!saveMap(s, map->picture(), ip.arg(4))) {
    ip.Trace += kNotSaved;
    return Flow::Done;
  }
  if (ip.Trace.on()) ip.Trace += "," + ip.arg(4);
  return Flow::Done;
}

void refreshMap(Screen& screen) {
  GameSession& s = screen.session();
  MapPage& map = screen.mapPage();
  PagedBook* book = screen.gameBook();
  book->resize(book->width(), lineSurface(s, 96, 97, book->size()).height());
  map.scrollTo(s.map.scrollX, s.map.scrollY);
  // The box scrolls only as far as the map reaches; the marker is measured from where it stopped.
  const QPoint scroll = map.scrollOffset();
  map.placeMarker(boundedCoordinate(int64_t{scroll.x()} + s.map.markerX),
                  boundedCoordinate(int64_t{scroll.y()} + s.map.markerY));
  screen.letEventsRun();
}

void closeMapPage(Screen& screen) {
  GameSession& s = screen.session();
  PagedBook* book = screen.gameBook();
  screen.showModelPage();
  switch (s.Modelo.kind()) {
    case ScreenModel::Console:
      screen.commandLine()->setVisible(lineOn(s, 44));
      book->resize(book->width(), lineSurface(s, 24, 25, book->size()).height());
      break;
    case ScreenModel::PictureScreen:
      screen.messageStrip()->setVisible(lineOn(s, 35));
      screen.commandLine()->setVisible(lineOn(s, 44));
      book->resize(book->width(), lineSurface(s, 24, 25, book->size()).height());
      break;
    case ScreenModel::WebPage: {
      screen.commandLine()->hide();
      // The page reaches down to the command line's lower edge.
      const int bottom = linePosition(s, 37, 0) + lineSurface(s, 38, 39, QSize(0, 0)).height();
      book->resize(lineSurface(s, 24, 25, book->size()).width(), std::max(0, bottom - book->y()));
      break;
    }
    case ScreenModel::ScrollPage:
      book->resize(lineSurface(s, 49, 50, book->size()));
      break;
    default:
      break;
  }
}

}  // namespace taluvin
