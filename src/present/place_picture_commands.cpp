// "telpos=", "telloc=": a place's picture on the current model's surface and the script a click on it runs.
#include "present/place_picture_commands.h"

#include "base/text.h"
#include "present/canvas.h"
#include "present/layout_settings.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/surface_budget.h"
#include "present/web_page_composer.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "script/markup.h"
#include "script/script_file.h"
#include "state/game_session.h"

#include <algorithm>

namespace taluvin {

namespace {

// Model "1": the picture fills the picture screen, which shows it at once.
void showOnPictureScreen(Screen& screen, const QImage& picture) {
  CanvasView* tela = screen.pictureScreen();
  Buffer& buffer = screen.pictureBuffer();
  growBuffer(buffer, tela->width(), tela->height(), backgroundColour(screen.session()));
  drawPicture(buffer.image(), picture, QRect(0, 0, tela->width(), tela->height()));
  tela->fitPictureToWidget();
  drawImageOnto(tela->picture(), buffer.image());
  tela->update();
}

// Model "2": an image line, a link when the place has a click script.
void addToWebPage(Screen& screen, const std::string& name, const std::string& script) {
  const GameSession& s = screen.session();
  const std::string image = "<img src=" + s.FolderUrl + name + " width=" + s.settings.line(24) + "px border=0>";
  screen.webPage().addLine(script.empty() ? image : WebPageComposer::link(script, image));
}

// Model "3": the picture goes under what the page holds, at its left edge, and the page's writing
// depth moves below it.
void addToScrollPage(Screen& screen, const QImage& picture) {
  GameSession& s = screen.session();
  CanvasView* page = screen.pageImage();
  const int top = s.screen.textY;
  const int64_t bottom = int64_t{top} + picture.height();
  if (bottom > page->picture().height()) screen.scrollPage().growPageTo(bottom);
  drawPicture(page->picture(), picture, QRect(QPoint(0, top), picture.size()));
  page->update();
  s.screen.textY = boundedCoordinate(bottom);
}

// Model "4": the picture across the top of the monitor at its full width, and the monitor's text
// box moved below it.
void showOnMonitor(Screen& screen, const QImage& picture) {
  GameSession& s = screen.session();
  MonitorGeometry& m = s.screen.monitor;
  Buffer& monitor = screen.monitorBuffer();
  monitor.fill(backgroundColour(s));
  const int width = m.scaledWidth;
  const int height = picture.width() > 0
                         ? boundedCoordinate(int64_t{width} * picture.height() / picture.width())
                         : 0;
  drawPicture(monitor.image(), picture, QRect(0, 0, width, height));
  m.boxX = scaledBounded(m.scale * 5);
  m.boxY = boundedCoordinate(int64_t{scaledBounded(m.scale * 8)} + height);
  m.boxWidth = width - scaledBounded(m.scale * 8);
  // A picture taller than the monitor leaves no room for text rather than a box of negative height.
  m.boxHeight = std::max(0, m.scaledHeight - m.boxY - scaledBounded(m.scale * 5));
}

}  // namespace

Flow cmdPlacePicture(ScriptInterpreter& ip) {
  // slot 1 = picture file, slot 2 = script a click on the picture screen runs (empty: none)
  static const std::string kNoPicture = w(" <--- arquivo não existe");
  static const std::string kNoScript = w(" <--- script não existe");
  GameSession& s = ip.session();
  const std::string& name = ip.arg(1);
  ip.Trace += name;
  if (!gameFileExists(s, name)) {
    ip.Trace += kNoPicture;
    return Flow::Done;
  }
  const std::string script = resolveScriptAlias(s, ip.arg(2));
  if (!script.empty() && !scriptExists(s, script)) {
    if (ip.Trace.on()) ip.Trace += "," + script + kNoScript;
    return Flow::Done;
  }
  s.zones.screenScript = script;

  Screen& screen = ip.context().screen();
  const ScreenModel model = s.Modelo.kind();
  if (model == ScreenModel::Console) return Flow::Done;
  if (model == ScreenModel::WebPage) {
    addToWebPage(screen, name, script);
    return Flow::Done;
  }
  std::string failure;
  const QImage& picture = loadIntoLoadingImage(screen, name, &failure);
  if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
  if (picture.isNull()) return Flow::Done;
  QSize surface = picture.size();
  if (model == ScreenModel::PictureScreen) {
    showOnPictureScreen(screen, picture);
    surface = screen.pictureScreen()->size();
  } else if (model == ScreenModel::ScrollPage) {
    addToScrollPage(screen, picture);
  } else if (model == ScreenModel::Monitor) {
    showOnMonitor(screen, picture);
    surface = screen.monitorBuffer().size();
  }
  releaseLargerThan(screen, name, surface);
  return Flow::Done;
}

}  // namespace taluvin
