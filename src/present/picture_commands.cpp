// "display=", "hud=", "legenda=" and "borda=": pictures and texts placed on the game's surfaces.
#include "present/picture_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/canvas_text.h"
#include "present/colors.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/shown_text.h"
#include "present/surface_budget.h"
#include "present/web_page_composer.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "script/markup.h"
#include "state/game_session.h"

#include <QLabel>
#include <QPainter>

namespace taluvin {

namespace {

const std::string kNoTarget = w(" <--- não indicou o local tel/fnc/tel!");

bool readTarget(const std::string& word, Surface& target) {
  if (word == "tel") target = Surface::PictureScreen;
  else if (word == "fnc") target = Surface::CommandPanel;
  else if (word == "pan") target = Surface::FramePicture;
  else return false;
  return true;
}

// Model "2": the picture becomes an image line of the composed page.
void addPagePicture(ScriptInterpreter& ip, const std::string& name) {
  const QImage& picture = loadIntoLoadingImage(ip.context().screen(), name);
  PagePicture line;
  line.name = name;
  line.width = ip.arg(5).empty() ? std::to_string(picture.width()) : ip.arg(5);
  line.height = ip.arg(6).empty() ? std::to_string(picture.height()) : ip.arg(6);
  line.placement = ip.arg(7);
  ip.context().webPage().addPicture(line);
  if (ip.Trace.on()) ip.Trace += ", width=" + line.width + ", height=" + line.height + "," + line.placement + "," + ip.arg(8) + "," +
              ip.arg(9);
}

void displayPicture(ScriptInterpreter& ip) {
  static const std::string kMissing = w(" <--- arquivo inexistente!");
  GameSession& s = ip.session();
  const std::string& name = ip.arg(1);
  const int x = numberOrAbort(ip.arg(3), 0);
  const int y = numberOrAbort(ip.arg(4), 0);
  ip.Trace += name;
  if (!gameFileExists(s, name)) {
    ip.Trace += kMissing;
    return;
  }
  Surface target;
  if (!readTarget(ip.arg(2), target)) {
    if (ip.Trace.on()) ip.Trace += "," + ip.arg(2) + kNoTarget;
    return;
  }
  if (ip.Trace.on()) ip.Trace += "," + ip.arg(2) + "," + std::to_string(x) + "," + std::to_string(y);
  if (s.Modelo == ScreenModel::WebPage && target == Surface::PictureScreen) {
    addPagePicture(ip, name);
    return;
  }
  const int width = numberOrAbort(ip.arg(5), 0);
  const int height = numberOrAbort(ip.arg(6), 0);
  if (ip.Trace.on()) ip.Trace += "," + std::to_string(width) + "," + std::to_string(height);
  if (target == Surface::PictureScreen && s.Modelo != ScreenModel::PictureScreen && s.Modelo != ScreenModel::ScrollPage) return;
  std::string failure;
  if (target == Surface::PictureScreen && s.Modelo == ScreenModel::ScrollPage)
    placePicture(ip.context().screen(), target, name, boundedCoordinate(int64_t{s.screen.textX} + x),
                 boundedCoordinate(int64_t{s.screen.textY} + y), width, height, &failure);
  else
    placePicture(ip.context().screen(), target, name, x, y, width, height, &failure);
  if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
}

void displayText(ScriptInterpreter& ip) {
  static const std::string kNoText = w(" <--- texto/frase inexistente!");
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  const std::string text = expandAllMarkup(ip.arg(1), s.Modelo);
  if (ip.Trace.on()) ip.Trace += text.substr(0, 5);
  if (text.empty()) {
    ip.Trace += kNoText;
    return;
  }
  if (ip.Trace.on()) ip.Trace += "," + ip.arg(2);
  Surface target;
  if (!readTarget(ip.arg(2), target)) {
    ip.Trace += kNoTarget;
    return;
  }
  const int givenX = numberOrAbort(ip.arg(3), 0);
  const int givenY = numberOrAbort(ip.arg(4), 0);
  if (ip.Trace.on()) ip.Trace += "," + std::to_string(givenX) + "," + std::to_string(givenY);
  // Cut to the budget before the box's width and rows are computed from them.
  const int x = commandPosition(ip.Trace, givenX), y = commandPosition(ip.Trace, givenY);
  const TextStyle& style = s.screen.style;
  const int size = commandFontSize(ip.Trace, numberOrAbort(ip.arg(7), style.size));
  const std::string colour = ip.arg(8).empty() ? style.text : ip.arg(8);
  const std::string letters = ip.arg(9).empty() ? std::string("biu") : ip.arg(9);
  const bool screenTarget = target == Surface::PictureScreen;
  if (screenTarget && s.Modelo == ScreenModel::WebPage) {
    ip.context().webPage().addText(text, colour, size, readStyleLetters(letters));
    return;
  }
  if (screenTarget && s.Modelo != ScreenModel::PictureScreen && s.Modelo != ScreenModel::ScrollPage) return;
  screen.shownText().tell(TextKind::Box, text);
  TextBox box;
  box.text = text;
  box.x = x;
  box.y = y;
  int available = 0;
  if (screenTarget && s.Modelo == ScreenModel::ScrollPage) {
    box.surface = Surface::ScrollPage;
    available = screen.pageImage()->picture().width() - s.screen.textX;
  } else if (screenTarget) {
    box.surface = Surface::PictureScreen;
    available = screen.pictureBuffer().width();
  } else if (target == Surface::CommandPanel) {
    box.surface = Surface::CommandPanel;
    available = screen.panelBuffer().width();
  } else {
    box.surface = Surface::FramePicture;
    available = frameCanvas(screen).width();
  }
  box.width = available - x > 0 ? available - x : 1;
  box.height = size;
  box.size = size;
  box.colour = colour;
  box.boxColour = "0";
  box.style = letters;
  drawTextBox(screen, box);
  if (box.surface == Surface::FramePicture) screen.framePicture()->update();
}

}  // namespace

void placePicture(Screen& screen, Surface target, const std::string& name, int x, int y, int width, int height,
                  std::string* error) {
  GameSession& s = screen.session();
  const QImage& picture = loadIntoLoadingImage(screen, name, error);
  // Nothing to draw, and no room to make for it on the scroll page.
  if (picture.isNull()) return;
  const QRect rect = placement(picture, x, y, width, height);
  QImage* surface = nullptr;
  PictureView* shown = nullptr;
  if (target == Surface::CommandPanel) {
    surface = &screen.panelBuffer().image();
  } else if (target == Surface::FramePicture) {
    surface = &frameCanvas(screen);
    shown = screen.framePicture();
  } else if (s.Modelo == ScreenModel::PictureScreen) {
    surface = &screen.pictureBuffer().image();
  } else if (s.Modelo == ScreenModel::ScrollPage) {
    CanvasView* page = screen.pageImage();
    if (rect.bottom() + 1 > page->picture().height()) {
      screen.scrollPage().growPageTo(rect.bottom() + 1 + 10);
      s.screen.textY = boundedCoordinate(int64_t{s.screen.textY} + picture.height());
    }
    surface = &page->picture();
    shown = page;
  } else {
    surface = &screen.pictureScreen()->picture();
    shown = screen.pictureScreen();
  }
  drawPicture(*surface, picture, rect);
  if (shown) shown->update();
  releaseLargerThan(screen, name, surface->size());
}

void drawHudIntoBuffer(Screen& screen) {
  const HudState& hud = screen.session().hud;
  if (!hud.on || !hud.loaded) return;
  const QImage& picture = hud.picture;
  drawPicture(screen.pictureBuffer().image(), picture, QRect(QPoint(hud.x, hud.y), picture.size()));
}

Flow cmdDisplay(ScriptInterpreter& ip) {
  // slot 1 = picture or text, 2 = "tel"/"fnc"/"pan", 3, 4 = x, y, 5, 6 = width, height,
  // 7 = page placement (pictures) or size (texts), 8 = colour, 9 = style letters
  if (isPictureName(ip.arg(1)))
    displayPicture(ip);
  else
    displayText(ip);
  return Flow::Done;
}

Flow cmdHud(ScriptInterpreter& ip) {
  // slot 1 = "off", "on", a ".bmp" picture, or x; slot 2 = y
  static const std::string kNoArgument = w(" <--- falta parâmetro");
  static const std::string kMissing = w(" <--- não existe este arquivo");
  static const std::string kNoPicture = w(" <--- não tem arquivo hud instalado");
  GameSession& s = ip.session();
  HudState& hud = s.hud;
  const std::string& what = ip.arg(1);
  if (what.empty()) {
    ip.Trace += kNoArgument;
    return Flow::Done;
  }
  if (what == "off") {
    ip.Trace += what;
    hud.on = false;
    return Flow::Done;
  }
  Screen& screen = ip.context().screen();
  if (what.find(".bmp") != std::string::npos) {
    ip.Trace += what;
    if (!gameFileExists(s, what)) {
      ip.Trace += kMissing;
      return Flow::Done;
    }
    std::string failure;
    if (loadGamePicture(s, what, hud.picture, &failure)) hud.loaded = true;
    if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
  }
  if (s.Modelo != ScreenModel::PictureScreen) return Flow::Done;
  if (!hud.loaded) {
    ip.Trace += kNoPicture;
    return Flow::Done;
  }
  if (what == "on") {
    ip.Trace += what;
    hud.on = true;
    drawHudIntoBuffer(screen);
    return Flow::Done;
  }
  const int x = toIntOr(what, 0), y = toIntOr(ip.arg(2), 0);
  if (ip.Trace.on()) ip.Trace += std::to_string(x) + "," + std::to_string(y);
  // The HUD's far corner is computed from its position whenever it is drawn.
  hud.x = commandPosition(ip.Trace, x);
  hud.y = commandPosition(ip.Trace, y);
  return Flow::Done;
}

Flow cmdCaption(ScriptInterpreter& ip) {
  // slot 1 = text ("$" = the line store), 2..5 = x, y, width, height, 6 = face, 7 = size,
  // 8 = colour, 9 = shadow colour
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  std::string text = ip.arg(1).empty() ? std::string("Sem texto.") : ip.arg(1);
  if (text == "$") text = screen.lineStoreText("\r\n");
  const int x = toIntOr(ip.arg(2), 0), y = toIntOr(ip.arg(3), 0);
  const int width = toIntOr(ip.arg(4), 0), height = toIntOr(ip.arg(5), 0);
  const std::string& face = ip.arg(6);
  const int size = toIntOr(ip.arg(7), 1);
  const std::string& colour = ip.arg(8);
  const std::string& shadow = ip.arg(9);
  if (ip.Trace.on()) ip.Trace += text + "," + std::to_string(x) + "," + std::to_string(y) + "," + face + "," + std::to_string(size) +
              "," + std::to_string(size) + "," + colour + "," + shadow;
  // Cut to the budget before the far edge is computed from them, which must stay in the int range.
  const int left = commandPosition(ip.Trace, x), top = commandPosition(ip.Trace, y);
  const int boxWidth = commandSide(ip.Trace, width), boxHeight = commandSide(ip.Trace, height);
  // The monitor's pair is laid out in its scaled screen, its shadow always offset.
  const bool onMonitor = s.Modelo == ScreenModel::Monitor;
  if (s.Modelo != ScreenModel::PictureScreen && !onMonitor) return Flow::Done;
  const double scale = onMonitor ? s.screen.monitor.scale : 1.0;
  const auto scaled = [scale](int v) { return scaledBounded(v * scale); };

  const TextStyle& style = s.screen.style;
  const QFont font = gameFont(face.empty() ? std::string("Arial") : face, scaled(size), style.bold, style.italic,
                              style.underline);
  const std::string& alignment = s.screen.memoAlignment;
  const Qt::Alignment align = alignment == "right"    ? Qt::AlignRight
                              : alignment == "center" ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
  QLabel* caption = onMonitor ? ip.context().monitor().caption : screen.caption();
  QLabel* captionShadow = onMonitor ? ip.context().monitor().captionShadow : screen.captionShadow();
  const QColor front = colour.empty() ? caption->palette().color(QPalette::WindowText) : paintColor(colour);
  const QColor back = shadow.empty() ? captionShadow->palette().color(QPalette::WindowText) : paintColor(shadow);
  const QString shown = toQt(shownWithinBudget(text));
  screen.shownText().tell(TextKind::Caption, text);
  for (QLabel* label : {caption, captionShadow}) {
    label->setText(shown);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(align | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
  }
  paintWidgetText(caption, QColor(0, 0, 0, 0), front);
  paintWidgetText(captionShadow, QColor(0, 0, 0, 0), back);
  // A zero size means the caption is as large as its text needs.
  QRect rect(scaled(left), scaled(top), scaled(boxWidth), scaled(boxHeight));
  if (boxWidth == 0 || boxHeight == 0) rect.setSize(measureLabel(shown, font) + QSize(2, 2));
  caption->setGeometry(rect);
  captionShadow->setGeometry(front == back && !onMonitor ? rect : rect.translated(-2, 2));
  caption->show();
  captionShadow->show();
  captionShadow->raise();
  caption->raise();
  return Flow::Done;
}

Flow cmdBorder(ScriptInterpreter& ip) {
  // slot 1 = pen width (not a number: 1), slot 2 = colour (default black)
  MainWindow& window = ip.context().window();
  const int pen = toIntOr(ip.arg(1), 1);
  const QColor colour = paintColor(ip.arg(2).empty() ? std::string("000000") : ip.arg(2));
  PictureView* view = window.outerBook()->currentPageName() == "Abertura" ? static_cast<PictureView*>(window.openingPicture())
                                                                        : ip.context().screen().framePicture();
  QImage& picture = view->picture();
  if (picture.isNull() || pen <= 0) return Flow::Done;
  QPainter painter(&picture);
  painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  const int inset = pen / 2;
  painter.drawRect(QRect(inset, inset, picture.width() - pen, picture.height() - pen));
  view->update();
  return Flow::Done;
}

}  // namespace taluvin
