// "linktel=", "click", "linkfunc=", "linkpainel=", "linksoff" and "getxy".
#include "interact/link_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/colors.h"
#include "present/command_panel.h"
#include "present/frame_page.h"
#include "present/monitor_window.h"
#include "present/picture_page.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/surface_budget.h"
#include "present/web_page_composer.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "script/markup.h"
#include "state/game_session.h"

#include <QPainter>
#include <optional>

namespace taluvin {

namespace {

const std::string kMissingFile = w(" <--- arquivo não existe");

// The arguments every link command shares, read once.
struct LinkRequest {
  std::string label;    // slot 1: picture file or label text
  std::string action;   // slot 2, after alias resolution
  std::string pressed;  // slot 8
  std::string sound;    // slot 9
  int x = 0, y = 0, width = 0, height = 0;
  int cursor = 0;
  bool picture = false;
};

// Numbers that do not read are 0 for the lenient commands and end the run for the strict ones.
int readNumber(const std::string& text, bool strict) {
  if (text.empty()) return 0;
  return strict ? toIntOrAbort(text) : toIntOr(text, 0);
}

LinkRequest readRequest(ScriptInterpreter& ip, bool strict) {
  LinkRequest r;
  r.label = ip.arg(1);
  r.action = resolveScriptAlias(ip.session(), ip.arg(2));
  r.pressed = ip.arg(8);
  r.sound = ip.arg(9);
  // A zone past the position budget could never be pointed at; cutting it keeps its far edges and
  // the page growth they ask for in range.
  r.x = boundedCoordinate(readNumber(ip.arg(3), strict));
  r.y = boundedCoordinate(readNumber(ip.arg(4), strict));
  r.width = boundedCoordinate(readNumber(ip.arg(5), strict));
  r.height = boundedCoordinate(readNumber(ip.arg(6), strict));
  // The cursor type has no fallback in any link command.
  const std::string& cursor = ip.arg(7);
  r.cursor = cursor.empty() ? (r.action.empty() ? 0 : 1) : static_cast<uint8_t>(toIntOrAbort(cursor));
  r.picture = isPictureName(r.label);
  return r;
}

// Label (first five characters of a text) and action.
void traceLabel(ScriptInterpreter& ip, const LinkRequest& r) {
  if (ip.Trace.on()) ip.Trace += (r.picture ? r.label : r.label.substr(0, 5)) + "," + r.action;
}

// The screen and monitor links read their request leniently and refuse a picture the game lacks;
// an accepted request is traced with its label and action.
std::optional<LinkRequest> readScreenRequest(ScriptInterpreter& ip) {
  const LinkRequest r = readRequest(ip, false);
  if (r.picture && !gameFileExists(ip.session(), r.label)) {
    if (ip.Trace.on()) ip.Trace += r.label + kMissingFile;
    return std::nullopt;
  }
  traceLabel(ip, r);
  return r;
}

void traceZone(ScriptInterpreter& ip, const HotZone& z) {
  if (ip.Trace.on()) ip.Trace += "," + std::to_string(z.left) + "," + std::to_string(z.top) + "," + std::to_string(z.width) + "," +
              std::to_string(z.height) + "," + std::to_string(z.cursorType) + "," + z.secondValue + "," + z.sound;
}

HotZone zoneFor(const LinkRequest& r) {
  HotZone z;
  z.firstValue = r.label;
  z.action = r.action;
  z.secondValue = r.pressed;
  z.sound = r.sound;
  z.left = r.x;
  z.top = r.y;
  z.width = r.width;
  z.height = r.height;
  z.cursorType = static_cast<uint8_t>(r.cursor);
  return z;
}

// The picture or label of a zone drawn into target; a label gives the zone its extent.
void drawZoneFace(ScriptInterpreter& ip, QImage& target, HotZone& z, bool keyed) {
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  if (isPictureName(z.firstValue)) {
    std::string failure;
    const QImage& picture = loadIntoLoadingImage(screen, z.firstValue, &failure);
    if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
    if (z.width == 0) z.width = picture.width();
    if (z.height == 0) z.height = picture.height();
    drawPicture(target, picture, QRect(z.left, z.top, z.width, z.height), keyed);
    return;
  }
  const QString text = toQt(expandAllMarkup(z.firstValue, s.Modelo));
  const QSize extent =
      writeLabel(target, z.left, z.top, text, styleFont(s), paintColor(s.screen.style.text, QColor(0, 0, 0)));
  z.width = extent.width();
  z.height = extent.height();
}

HotZone& fillSlot(GameSession& s, Surface surface, const HotZone& z) {
  return s.zones.table.slot(recordZoneIn(s.zones, surface, z));
}

// Model "2": the link becomes a line of the composed page; slots 3 to 5 are the picture's width,
// height and placement there.
void addPageLink(ScriptInterpreter& ip, const LinkRequest& r) {
  WebPageComposer& page = ip.context().webPage();
  if (!r.picture) {
    page.addLinkText(expandAllMarkup(r.label, ip.session().Modelo), r.action);
    return;
  }
  Screen& screen = ip.context().screen();
  const QImage& picture = loadIntoLoadingImage(screen, r.label);
  PagePicture line;
  line.name = r.label;
  line.script = r.action;
  line.placement = ip.arg(5);
  // A picture wider than the game screen is narrowed to it and keeps its proportions.
  if (screen.gameBook()->width() < picture.width()) {
    line.width = std::to_string(screen.gameBook()->width());
  } else {
    line.width = ip.arg(3).empty() ? std::to_string(picture.width()) : ip.arg(3);
    line.height = ip.arg(4).empty() ? std::to_string(picture.height()) : ip.arg(4);
  }
  page.addPicture(line);
}

// Model "3": links flow along the scroll page from its text position.
void addScrollPageLink(ScriptInterpreter& ip, const LinkRequest& r) {
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  ScreenState& pageState = s.screen;
  HotZone z = zoneFor(r);
  if (ip.arg(3).empty()) z.left = pageState.textX;
  if (ip.arg(4).empty()) z.top = pageState.textY;
  CanvasView* page = screen.pageImage();
  if (r.picture) {
    std::string failure;
    const QImage& picture = loadIntoLoadingImage(screen, r.label, &failure);
    if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
    if (z.width == 0) z.width = picture.width();
    if (z.height == 0) z.height = picture.height();
    if (z.top + z.height > page->picture().height()) screen.scrollPage().growPageTo(z.top + z.height + 10);
    drawPicture(page->picture(), picture, QRect(z.left, z.top, z.width, z.height));
  } else {
    const int size = pageState.style.size;
    QFont font = styleFont(s);
    const QString text = toQt(expandAllMarkup(r.label, s.Modelo));
    const QSize extent =
        writeLabel(page->picture(), z.left, z.top, text, font, paintColor(s.settings.line(20), QColor(0, 0, 255)));
    z.width = extent.width();
    z.height = extent.height();
    const int underlineY = z.top + size + size / 2 - 1;
    QPainter painter(&page->picture());
    painter.setPen(QPen(paintColor(s.settings.line(21), QColor(128, 0, 128)), 1));
    painter.drawLine(z.left, underlineY, z.left + z.width, underlineY);
  }
  page->update();
  HotZone& stored = fillSlot(s, Surface::ScrollPage, z);
  pageState.textX = stored.left + stored.width;
  pageState.textY = stored.top;
  traceZone(ip, stored);
}

}  // namespace

Flow cmdLinkScreen(ScriptInterpreter& ip) {
  // slot 1 = picture or label, 2 = action, 3..6 = x, y, width, height, 7 = cursor, 8 = pressed picture, 9 = sound
  static const std::string kModelZero = w(" <--- não funciona no modelo \"0\"");
  GameSession& s = ip.session();
  const auto request = readScreenRequest(ip);
  if (!request) return Flow::Done;
  const LinkRequest& r = *request;
  if (s.Modelo == ScreenModel::Console) {
    ip.Trace += kModelZero;
  } else if (s.Modelo == ScreenModel::PictureScreen) {
    Buffer& buffer = ip.context().screen().pictureBuffer();
    HotZone z = zoneFor(r);
    drawZoneFace(ip, buffer.image(), z, true);
    traceZone(ip, fillSlot(s, Surface::PictureScreen, z));
  } else if (s.Modelo == ScreenModel::WebPage) {
    addPageLink(ip, r);
  } else if (s.Modelo == ScreenModel::ScrollPage) {
    addScrollPageLink(ip, r);
  }
  return Flow::Done;
}

Flow cmdLinkMonitor(ScriptInterpreter& ip) {
  // slot 1 = picture or label, 2 = action, 3..6 = x, y, width, height, 7 = cursor, 8 = pressed picture, 9 = sound
  GameSession& s = ip.session();
  const auto request = readScreenRequest(ip);
  if (!request) return Flow::Done;
  const LinkRequest& r = *request;
  if (s.Modelo != ScreenModel::Monitor) return Flow::Done;
  Screen& screen = ip.context().screen();
  const double scale = s.screen.monitor.scale;
  auto scaled = [scale](int v) { return scaledBounded(v * scale); };
  HotZone z = zoneFor(r);
  z.left = scaled(z.left);
  z.top = scaled(z.top);
  z.width = scaled(z.width);
  z.height = scaled(z.height);
  if (r.picture) {
    std::string failure;
    const QImage& picture = loadIntoLoadingImage(screen, r.label, &failure);
    if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
    if (z.width == 0) z.width = scaled(picture.width());
    if (z.height == 0) z.height = scaled(picture.height());
    // Straight onto the picture the player sees: "savebuf" takes it into the buffer, and a run's
    // end draws the buffer over it as it draws over everything else on the monitor.
    CanvasView* shown = ip.context().monitor().monitorPicture;
    drawPicture(shown->picture(), picture, QRect(z.left, z.top, z.width, z.height));
    shown->update();
  } else {
    QImage& monitor = screen.monitorBuffer().image();
    const QSize extent = writeLabel(monitor, z.left, z.top, toQt(expandAllMarkup(r.label, s.Modelo)),
                                    styleFont(s, scale), paintColor(s.screen.style.text, QColor(0, 0, 0)));
    z.width = extent.width();
    z.height = extent.height();
  }
  traceZone(ip, fillSlot(s, Surface::PictureScreen, z));
  return Flow::Done;
}

Flow cmdLinkCommandPanel(ScriptInterpreter& ip) {
  // slot 1 = picture or label, 2 = action, 3..6 = x, y, width, height, 7 = cursor, 8 = pressed picture, 9 = sound
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  const LinkRequest r = readRequest(ip, true);
  traceLabel(ip, r);
  if (screen.panel().panelBook->isHidden()) return Flow::Done;
  HotZone z = zoneFor(r);
  // Panel icons are opaque: their pictures were drawn for the panel's own background.
  drawZoneFace(ip, screen.panelBuffer().image(), z, false);
  traceZone(ip, fillSlot(s, Surface::CommandPanel, z));
  return Flow::Done;
}

Flow cmdLinkFramePicture(ScriptInterpreter& ip) {
  // slot 1 = picture or label, 2 = action, 3..6 = x, y, width, height, 7 = cursor, 8 = pressed picture, 9 = sound
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  LinkRequest r = readRequest(ip, true);
  if (!r.action.empty()) r.cursor = 1;
  traceLabel(ip, r);
  HotZone z = zoneFor(r);
  CanvasView* framePicture = screen.framePicture();
  drawZoneFace(ip, frameCanvas(screen), z, false);
  framePicture->update();
  traceZone(ip, fillSlot(s, Surface::FramePicture, z));
  return Flow::Done;
}

Flow cmdLinksOff(ScriptInterpreter& ip) {
  // slot 1 = nothing (0-99), "tel"/"md4" (0-19), "fnc" (20-39), "pan" (40-59) or "md3" (60-99)
  ZoneTable& table = ip.session().zones.table;
  const std::string& which = ip.arg(1);
  ip.Trace += which;
  if (which.empty()) table.deactivate(0, 99);
  else if (which == "tel" || which == "md4") table.deactivate(0, 19);
  else if (which == "fnc") table.deactivate(20, 39);
  else if (which == "pan") table.deactivate(40, 59);
  else if (which == "md3") table.deactivate(60, 99);
  return Flow::Done;
}

Flow cmdGetXY(ScriptInterpreter& ip) {
  // slot 1 = register for the click's x within its zone, slot 2 = register for y
  GameSession& s = ip.session();
  const PointerState& pointer = s.zones.pointer;
  s.registers.set(toIntOr(ip.arg(1), 0), std::to_string(pointer.clickOffsetX));
  s.registers.set(toIntOr(ip.arg(2), 0), std::to_string(pointer.clickOffsetY));
  return Flow::Done;
}

}  // namespace taluvin
