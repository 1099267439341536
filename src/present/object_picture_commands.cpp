// Objects shown by title, description or picture, the clickable icon grid, and monitor shapes.
#include "present/object_picture_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/canvas.h"
#include "present/colors.h"
#include "present/console_output.h"
#include "present/picture_file.h"
#include "present/picture_placement.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "present/web_page_composer.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "script/markup.h"
#include "state/game_session.h"

#include <QPainter>
#include <QPlainTextEdit>

namespace taluvin {

namespace {

constexpr int kDefaultShapeSize = 180;


// Model "1" titles and descriptions in the message strip, as lines of their own.
void addStripLine(Screen& screen, const std::string& text) {
  screen.picturePage().appendStripLine(toQt(text));
}

// Slots 4..7 cut to the position budget, so the far edges computed from them stay in the int range.
int boundedSlot(ScriptInterpreter& ip, int slot, int fallback) {
  return boundedCoordinate(toIntOr(ip.arg(slot), fallback));
}

void showObjectPicture(ScriptInterpreter& ip, const std::string& shape, const std::string& target) {
  Screen& screen = ip.context().screen();
  const QRect rect(boundedSlot(ip, 4, 0), boundedSlot(ip, 5, 0), boundedSlot(ip, 6, kDefaultShapeSize),
                   boundedSlot(ip, 7, kDefaultShapeSize));
  const QImage& picture = loadIntoLoadingImage(screen, shape);
  if (target == "tel") {
    drawPicture(screen.pictureBuffer().image(), picture, rect);
  } else if (target == "fnc") {
    drawPicture(screen.panelBuffer().image(), picture, rect);
  } else if (target == "pan") {
    drawPicture(frameCanvas(screen), picture, rect);
    screen.framePicture()->update();
  }
}

void showObjectTitleOnBuffer(ScriptInterpreter& ip, Buffer& buffer, const std::string& title, bool clipped) {
  GameSession& s = ip.session();
  const int x = boundedSlot(ip, 4, 0), y = boundedSlot(ip, 5, 0);
  const QRect clip(x, y, boundedSlot(ip, 6, buffer.width()), boundedSlot(ip, 7, buffer.height()));
  QFont font = styleFont(s);
  font.setPixelSize(std::max(1, boundedFontSize(int64_t{font.pixelSize()} + toIntOr(ip.arg(8), 0))));
  const QColor colour = ip.arg(9).empty() ? paintColor(s.screen.style.text) : paintColor(ip.arg(9));
  QPainter painter(&buffer.image());
  if (clipped) painter.setClipRect(clip);
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(QRect(x, y, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, toQt(title));
}

}  // namespace

Flow cmdShowObject(ScriptInterpreter& ip) {
  // slot 1 = object, 2 = "tit"/"dsc"/"shp", 3 = "msg"/"tel"/"fnc"/"pan", 4..7 = x, y, width, height,
  // 8 = font size change, 9 = colour
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  const std::string& part = ip.arg(2);
  const std::string& target = ip.arg(3);
  ObjectStore& objects = s.objects;
  for (int record = 0; record < objects.recordCount(); ++record) {
    if (objects.key(record) != ip.arg(1)) continue;
    const std::string title = expandAllMarkup(objects.line(record, kObjectName), s.Modelo);
    const std::string description = expandAllMarkup(objects.line(record, kObjectDescription), s.Modelo);
    const std::string& shape = objects.line(record, kObjectShape);
    if (s.Modelo == ScreenModel::Console) {
      if (part == "tit") consoleOutput(screen, title + "\r\n");
      if (part == "dsc") consoleOutput(screen, description + "\r\n");
    } else if (s.Modelo == ScreenModel::PictureScreen) {
      if (part == "tit" && target == "msg") addStripLine(screen, title);
      if (part == "tit" && target == "tel") showObjectTitleOnBuffer(ip, screen.pictureBuffer(), title, true);
      if (part == "tit" && target == "fnc") showObjectTitleOnBuffer(ip, screen.panelBuffer(), title, false);
      if (part == "dsc" && target == "msg") addStripLine(screen, description);
      if (part == "shp") showObjectPicture(ip, shape, target);
    } else if (s.Modelo == ScreenModel::WebPage) {
      // The page flows: slot 4 is the shape's alignment and slot 5 the title's colour there.
      WebPageComposer& page = ip.context().webPage();
      if (part == "tit") page.addObjectTitle(title, ip.arg(5));
      if (part == "dsc") page.addObjectDescription(description);
      if (part == "shp")
        page.addObjectShape(shape, toIntOr(ip.arg(6), kDefaultShapeSize), toIntOr(ip.arg(7), kDefaultShapeSize),
                            ip.arg(4));
    }
  }
  return Flow::Done;
}

Flow cmdObjectGrid(ScriptInterpreter& ip) {
  // slot 1 = location ("jog", "loc" = here), 2 = "tel"/"fnc"/"pan", 3, 4 = x, y, 5, 6 = width,
  // height, 7 = columns
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  std::string location = ip.arg(1).empty() ? std::string(kCarried) : ip.arg(1);
  if (location == "loc") location = s.Posic;
  const std::string target = ip.arg(2).empty() ? std::string("fnc") : ip.arg(2);
  const double scale = s.Modelo == ScreenModel::Monitor ? s.screen.monitor.scale : 1.0;
  auto scaled = [scale](int v) { return scaledBounded(v * scale); };
  int x = numberOrAbort(ip.arg(3), 0);
  int y = numberOrAbort(ip.arg(4), 0);
  int width = numberOrAbort(ip.arg(5), screen.panelBuffer().width());
  int height = numberOrAbort(ip.arg(6), screen.panelBuffer().height());
  const int columns = numberOrAbort(ip.arg(7), 5);
  if (ip.Trace.on()) ip.Trace += location + "," + target + "," + std::to_string(x) + "," + std::to_string(y) + "," +
              std::to_string(width) + "," + std::to_string(height) + "," + std::to_string(columns);
  if (columns <= 0) return Flow::Done;
  // Cut to the position budget, so the cells' positions and the grid's extent stay in the int range.
  x = boundedCoordinate(x), y = boundedCoordinate(y);
  width = boundedCoordinate(width), height = boundedCoordinate(height);
  int cell = width / columns;
  if (s.Modelo == ScreenModel::Monitor) {
    x = scaled(x), y = scaled(y), width = scaled(width), height = scaled(height);
    cell = scaled(cell) + 1;
  }
  if (cell <= 0) return Flow::Done;

  if (s.Modelo == ScreenModel::WebPage && target == "tel") {
    ip.context().webPage().addObjectGrid(location, x, y, width, height, columns);
    return Flow::Done;
  }
  QImage* surface = nullptr;
  Surface zoneSurface = Surface::PictureScreen;
  if (s.Modelo == ScreenModel::Monitor) {
    surface = &screen.monitorBuffer().image();
  } else if (target == "tel") {
    if (s.Modelo == ScreenModel::Console) return Flow::Done;
    surface = &screen.pictureBuffer().image();
  } else if (target == "fnc") {
    surface = &screen.panelBuffer().image();
    zoneSurface = Surface::CommandPanel;
  } else if (target == "pan") {
    surface = &frameCanvas(screen);
    zoneSurface = Surface::FramePicture;
  } else {
    return Flow::Done;
  }
  const ObjectStore& objects = s.objects;
  int column = 0, row = 0;
  for (int record = 0; record < objects.recordCount() && row < height; ++record) {
    if (objects.line(record, kObjectLocation) != location) continue;
    HotZone zone;
    zone.firstValue = objects.line(record, kObjectShape);
    zone.action = objects.key(record);
    zone.left = x + column;
    zone.top = y + row;
    zone.width = cell;
    zone.height = cell;
    zone.cursorType = 1;
    drawPicture(*surface, loadIntoLoadingImage(screen, zone.firstValue), QRect(zone.left, zone.top, cell, cell));
    recordZoneIn(s.zones, zoneSurface, zone);
    column += cell;
    if (column >= int64_t{cell} * columns) {
      column = 0;
      row += cell;
    }
  }
  if (zoneSurface == Surface::FramePicture) screen.framePicture()->update();
  return Flow::Done;
}

Flow cmdShape(ScriptInterpreter& ip) {
  // slot 1 = picture or text, 2, 3 = x, y, 4, 5 = width, height, 6 = script, 7 = hover picture
  static const std::string kNoName = w(" <--- informe nome do shape/texto");
  static const std::string kMissing = w(" <--- arquivo inexistente!");
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  const std::string& name = ip.arg(1);
  if (name.empty()) {
    ip.Trace += kNoName;
    return Flow::Done;
  }
  ip.Trace += name;
  const double scale = s.screen.monitor.scale;
  auto scaled = [scale](int v) { return scaledBounded(v * scale); };
  HotZone zone;
  zone.left = scaled(toIntOr(ip.arg(2), 0));
  zone.top = scaled(toIntOr(ip.arg(3), 0));
  QImage& monitor = screen.monitorBuffer().image();
  if (namesPicture(name)) {
    if (!gameFileExists(s, name)) {
      ip.Trace += kMissing;
      return Flow::Done;
    }
    std::string failure;
    const QImage& image = loadIntoLoadingImage(screen, name, &failure);
    if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
    zone.width = scaled(toIntOr(ip.arg(4), image.width()));
    zone.height = scaled(toIntOr(ip.arg(5), image.height()));
    drawPicture(monitor, image, QRect(zone.left, zone.top, zone.width, zone.height));
  } else {
    const Buffer& buffer = screen.monitorBuffer();
    const QFont font = canvasFont(buffer.style);
    const QSize extent = writeLabel(monitor, zone.left, zone.top, toQt(name), font, buffer.style.fontColor);
    zone.width = extent.width();
    zone.height = extent.height();
    if (!monitor.isNull()) {
      QPainter painter(&monitor);
      painter.setPen(QPen(buffer.style.fontColor, std::max(1, static_cast<int>(scale))));
      const int lineY = zone.top + zone.height - 6;
      painter.drawLine(zone.left, lineY, zone.left + zone.width, lineY);
    }
  }
  if (ip.arg(6).empty()) return Flow::Done;
  zone.firstValue = name;
  zone.action = resolveScriptAlias(s, ip.arg(6));
  zone.secondValue = ip.arg(7);
  zone.cursorType = 1;
  recordZoneIn(s.zones, Surface::PictureScreen, zone);
  return Flow::Done;
}

}  // namespace taluvin
