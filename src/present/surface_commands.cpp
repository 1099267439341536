// Clearing, refreshing, saving and scrolling the surfaces of the current model.
#include "present/surface_commands.h"

#include "present/command_panel.h"
#include "present/console_page.h"
#include "present/layout_settings.h"
#include "present/monitor_window.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/surface_budget.h"
#include "script/command_context.h"

#include <QLineEdit>
#include <QPainter>

namespace taluvin {

namespace {

// The colour argument, or the background colour when it is empty.
QColor colourOrBackground(ScriptInterpreter& ip) {
  const std::string& given = ip.arg(1);
  return given.empty() ? backgroundColour(ip.session()) : paintColor(given);
}

// A buffer about to be cleared takes the colour as brush and the text style as font.
void prepareBuffer(Buffer& buffer, const GameSession& s, QColor colour) {
  const auto& st = s.screen.style;
  buffer.style.brush = colour;
  buffer.style.brushClear = false;
  buffer.style.fontColor = textColour(s);
  buffer.style.face = st.face.empty() ? std::string("Arial") : st.face;
  buffer.style.size = st.size;
}

// Shifts a rectangle of image by step in the direction and fills the strip left behind.
void shiftRect(QImage& image, const std::string& direction, int x, int y, int w, int h, int step, QColor fill) {
  QRect from, to, strip;
  if (direction == "up") {
    from = QRect(x, y + step, w, h - step);
    to = QRect(x, y, w, h - step);
    strip = QRect(x, y + h - step, w, step);
  } else if (direction == "down") {
    from = QRect(x, y, w, h - step);
    to = QRect(x, y + step, w, h - step);
    strip = QRect(x, y, w, step);
  } else if (direction == "left") {
    from = QRect(x + step, y, w - step, h);
    to = QRect(x, y, w - step, h);
    strip = QRect(x + w - step, y, step, h);
  } else if (direction == "right") {
    from = QRect(x, y, w - step, h);
    to = QRect(x + step, y, w - step, h);
    strip = QRect(x, y, step, h);
  } else {
    return;
  }
  // Only the part of the rectangle that lies on the image is copied: a copy of the whole rectangle
  // would be as large as the numbers the script wrote.
  const QRect onImage = from.intersected(image.rect());
  QPainter p(&image);
  if (!onImage.isEmpty()) p.drawImage(to.topLeft() + (onImage.topLeft() - from.topLeft()), image.copy(onImage));
  p.fillRect(strip.intersected(image.rect()), fill);
}

}  // namespace

Flow cmdClearText(ScriptInterpreter& ip) {
  // no arguments
  ip.context().screen().clearLineStore();
  return Flow::Done;
}

Flow cmdClearScreen(ScriptInterpreter& ip) {
  // slot 1 = colour (default: the background colour)
  Screen& screen = ip.context().screen();
  const QColor colour = colourOrBackground(ip);
  if (ip.session().Modelo == ScreenModel::Monitor) {
    screen.monitorBuffer().fill(colour);
    ip.context().monitor().monitorPicture->fillPicture(colour);
    return Flow::Done;
  }
  Buffer& buffer = screen.pictureBuffer();
  prepareBuffer(buffer, ip.session(), colour);
  growBuffer(buffer, screen.pictureScreen()->width(), screen.pictureScreen()->height(), colour);
  buffer.fill(colour);
  screen.pictureScreen()->fillPicture(colour);
  CanvasView* page = screen.pageImage();
  page->picture().fill(page->style.brush);
  screen.scrollPage().showPageImage();
  return Flow::Done;
}

Flow cmdClearBuffer(ScriptInterpreter& ip) {
  // slot 1 = colour (default: the background colour)
  Screen& screen = ip.context().screen();
  const QColor colour = colourOrBackground(ip);
  if (ip.session().Modelo == ScreenModel::Monitor) {
    screen.monitorBuffer().fill(colour);
    return Flow::Done;
  }
  Buffer& buffer = screen.pictureBuffer();
  prepareBuffer(buffer, ip.session(), colour);
  growBuffer(buffer, screen.pictureScreen()->width(), screen.pictureScreen()->height(), colour);
  buffer.fill(colour);
  return Flow::Done;
}

Flow cmdClearPanel(ScriptInterpreter& ip) {
  // slot 1 = colour (default: the background colour)
  Screen& screen = ip.context().screen();
  const QColor colour = colourOrBackground(ip);
  Buffer& buffer = screen.panelBuffer();
  prepareBuffer(buffer, ip.session(), colour);
  buffer.fill(colour);
  return Flow::Done;
}

Flow cmdClearTotal(ScriptInterpreter& ip) {
  // no arguments
  ip.context().screen().clearAllSurfaces();
  return Flow::Done;
}

Flow cmdRefresh(ScriptInterpreter& ip) {
  // no arguments
  Screen& screen = ip.context().screen();
  const ScreenModel model = ip.session().Modelo.kind();
  if (model == ScreenModel::PictureScreen) {
    screen.pictureScreen()->fitPictureToWidget();
    showBufferOn(*screen.pictureScreen(), screen.pictureBuffer());
    screen.pictureScreen()->update();
  } else if (model == ScreenModel::ScrollPage) {
    screen.scrollPage().showPageImage();
  } else if (model == ScreenModel::Monitor) {
    ip.context().monitor().showBuffer();
  }
  screen.letEventsRun();
  return Flow::Done;
}

Flow cmdSaveBuffer(ScriptInterpreter& ip) {
  // no arguments: what the player sees goes back into the buffer
  Screen& screen = ip.context().screen();
  const ScreenModel model = ip.session().Modelo.kind();
  if (model == ScreenModel::PictureScreen)
    takeBackShownPicture(screen.pictureBuffer(), *screen.pictureScreen());
  else if (model == ScreenModel::ScrollPage)
    screen.scrollPage().takeBackShownImage();
  else if (model == ScreenModel::Monitor)
    ip.context().monitor().takeBackShownPicture();
  return Flow::Done;
}

Flow cmdScroll(ScriptInterpreter& ip) {
  // slot 1 = direction (default "up"), slots 2 to 6 = x, y, width, height, step (default 0 each)
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  const std::string direction = ip.arg(1).empty() ? std::string("up") : ip.arg(1);
  std::string beyond;  // markers of values past the surface budget, after the usual trace
  int x = commandPosition(beyond, toIntOr(ip.arg(2), 0)), y = commandPosition(beyond, toIntOr(ip.arg(3), 0));
  int w = commandPosition(beyond, toIntOr(ip.arg(4), 0)), h = commandPosition(beyond, toIntOr(ip.arg(5), 0));
  int step = commandPosition(beyond, toIntOr(ip.arg(6), 0));
  const ScreenModel model = s.Modelo.kind();
  Buffer* buffer = nullptr;
  QImage* image = nullptr;
  QColor brush;
  QSize shown;
  if (model == ScreenModel::PictureScreen) {
    buffer = &screen.pictureBuffer();
    shown = screen.pictureScreen()->size();
  } else if (model == ScreenModel::ScrollPage) {
    image = &screen.pageImage()->picture();
    brush = screen.pageImage()->style.brush;
    shown = screen.scrollPicture()->size();
  } else if (model == ScreenModel::Monitor) {
    buffer = &screen.monitorBuffer();
    shown = QSize(s.screen.monitor.scaledWidth, s.screen.monitor.scaledHeight);
  }
  if (buffer) {
    image = &buffer->image();
    brush = buffer->style.brush;
  }
  const bool widthGiven = w != 0, heightGiven = h != 0;
  if (image) {
    if (!widthGiven) w = shown.width();
    if (!heightGiven) h = shown.height();
  }
  if (step == 0) {
    if (direction == "up" || direction == "down") step = h / 10;
    if (direction == "left" || direction == "right") step = w / 10;
  }
  if (ip.Trace.on()) ip.Trace += direction + "," + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + "," +
              std::to_string(h) + "," + std::to_string(step) + beyond;
  if (!image) return Flow::Done;
  if (model == ScreenModel::Monitor) {
    const double scale = s.screen.monitor.scale;
    x = scaledBounded(x * scale);
    y = scaledBounded(y * scale);
    step = scaledBounded(step * scale);
    if (widthGiven) w = scaledBounded(w * scale);
    if (heightGiven) h = scaledBounded(h * scale);
  }
  shiftRect(*image, direction, x, y, w, h, step, brush);
  return Flow::Done;
}

Flow cmdTopBar(ScriptInterpreter& ip) {
  // slot 1 = "on" (default) or "off"
  Screen& screen = ip.context().screen();
  const std::string& state = ip.arg(1);
  ip.Trace += state;
  const QColor inputColour = screen.commandLine()->palette().color(QPalette::Base);
  screen.console().showTopBar(state != "off", inputColour);
  return Flow::Done;
}

}  // namespace taluvin
