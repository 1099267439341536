// Draws the visor's view of its strip with the visor elements, and runs its frame timer.
#include "present/visor_view.h"

#include "base/text.h"
#include "present/canvas.h"
#include "present/main_window.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/zone_drawing.h"
#include "script/markup.h"
#include "state/game_session.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace taluvin {

namespace {

constexpr int kFirstElement = 100;
constexpr int kLastElement = 119;
constexpr int kStartInterval = 100;  // ms, until a "000" view sets its own speed

// Copies the part of from that lies on source into the matching part of to, scaled as to is to from;
// what lies off source stays as the target had it.
void copyOnStrip(QPainter& painter, const QImage& source, const QRect& from, const QRect& to) {
  if (source.isNull() || from.width() <= 0 || from.height() <= 0 || to.width() <= 0 || to.height() <= 0) return;
  const QRect on = from.intersected(source.rect());
  if (on.isEmpty()) return;
  const double sx = static_cast<double>(to.width()) / from.width();
  const double sy = static_cast<double>(to.height()) / from.height();
  const QRectF into(to.x() + (on.x() - from.x()) * sx, to.y() + (on.y() - from.y()) * sy, on.width() * sx,
                    on.height() * sy);
  painter.drawImage(into, source, QRectF(on));
}

// Six hexadecimal digits RRGGBB; the view is drawn outside any run too (pointer moves, the timer),
// where a colour that does not read may not abort anything, so it paints as the fallback.
QColor elementColour(const std::string& rrggbb, QColor fallback) {
  bool ok = false;
  const uint value = QString::fromLatin1(rrggbb.substr(0, 6).c_str()).toUInt(&ok, 16);
  if (!ok || rrggbb.size() < 6) return fallback;
  return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

const QImage& elementPicture(Screen& screen, const std::string& name) {
  VisorState& visor = screen.session().visor;
  auto found = visor.pictures.find(name);
  if (found != visor.pictures.end()) return found->second;
  QImage picture;
  loadGamePicture(screen.session(), name, picture);
  return visor.pictures.emplace(name, picture).first->second;
}

// "img" stays where it was put on the screen; "fig" lies on the strip and moves with it.
void drawPictureElement(Screen& screen, QImage& work, const HotZone& zone, bool hovered) {
  const VisorState& visor = screen.session().visor;
  const std::string& name = hovered && !zone.secondValue.empty() ? zone.secondValue : zone.firstValue;
  if (name.empty()) return;
  const QImage& picture = elementPicture(screen, name);
  if (picture.isNull()) return;
  QPoint at(zone.left, zone.top);
  if (zone.kind == "fig")
    at = visor.mode == "360" ? QPoint(zone.left - visor.savedOffsetX, zone.top)
                             : QPoint(zone.left - visor.offsetX, zone.top - visor.offsetY);
  drawPicture(work, picture, QRect(at, picture.size()));
}

// "txt" is written where it was put, "lnk" on the strip; both take the size of their text, which
// the pointer's hit test then uses.
void drawTextElement(Screen& screen, QImage& work, const DrawStyle& targetStyle, HotZone& zone, bool hovered) {
  const GameSession& s = screen.session();
  const VisorState& visor = s.visor;
  const std::string& style = zone.secondValue;
  const bool bold = style.size() > 6 && style[6] == 'B';
  const bool italic = style.size() > 7 && style[7] == 'I';
  const bool underline = style.size() > 8 && style[8] == 'U';
  DrawStyle fontStyle = targetStyle;
  fontStyle.setStyleFlags(bold, italic, underline);
  const QColor colour = elementColour(style, QColor(0, 0, 0));
  const ScreenModel model = s.Modelo.kind();
  const std::string text = expandMarkup(kCommaSign, expandMarkup(kHardBlankSign, zone.firstValue, model), model);

  QPoint at(zone.left, zone.top);
  if (zone.kind == "lnk")
    at = QPoint(zone.left - (visor.mode == "360" ? visor.savedOffsetX : visor.offsetX), zone.top - visor.offsetY);
  const QSize size = writeLabel(work, at.x(), at.y(), toQt(text), canvasFont(fontStyle), colour);
  zone.width = size.width();
  zone.height = size.height();

  QColor line;
  if (underline) line = colour;
  if (hovered && !zone.action.empty()) line = elementColour(s.screen.style.visited, colour);
  if (!line.isValid()) return;
  QPainter painter(&work);
  painter.fillRect(QRect(at.x(), at.y() + size.height() - 3, size.width(), 2), line);
}

void drawElements(Screen& screen, QImage& work, const DrawStyle& targetStyle) {
  GameSession& s = screen.session();
  for (int index = kFirstElement; index <= kLastElement; ++index) {
    HotZone& zone = s.zones.table.slot(index);
    if (!zone.active) continue;
    const bool hovered = s.zones.pointer.hoveredZone == index;
    if (zone.kind == "fig" || zone.kind == "img")
      drawPictureElement(screen, work, zone, hovered);
    else if (zone.kind == "txt" || zone.kind == "lnk")
      drawTextElement(screen, work, targetStyle, zone, hovered);
  }
}

}  // namespace

CanvasView* visorTarget(Screen& screen) {
  const ScreenModel model = screen.session().Modelo.kind();
  if (model == ScreenModel::PictureScreen) return screen.pictureScreen();
  if (model == ScreenModel::ScrollPage) return screen.scrollPicture();
  return nullptr;
}

void drawVisorView(Screen& screen, CanvasView& target, QRect source) {
  VisorState& visor = screen.session().visor;
  if (target.picture().isNull()) target.fitPictureToWidget();
  QImage& shown = target.picture();
  const QRect view(visor.x, visor.y, visor.width, visor.height);
  QImage work(shown.size(), QImage::Format_RGB888);
  work.fill(target.style.brush);
  {
    QPainter painter(&work);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const int stripWidth = visor.strip.width();
    const int wrapWidth =
        visor.mode == "360" && source.x() > stripWidth - source.width() ? stripWidth - source.x() : 0;
    if (wrapWidth <= 0) {
      copyOnStrip(painter, visor.strip, source, view);
      if (visor.mode == "360") visor.savedOffsetX = visor.offsetX;
    } else {
      // The view runs past the strip's end: its end, then its start again.
      copyOnStrip(painter, visor.strip, QRect(source.x(), source.y(), wrapWidth, source.height()),
                  QRect(view.x(), view.y(), wrapWidth, view.height()));
      copyOnStrip(painter, visor.strip, QRect(0, source.y(), source.width() - wrapWidth, source.height()),
                  QRect(view.x() + wrapWidth, view.y(), view.width() - wrapWidth, view.height()));
      visor.savedOffsetX = visor.offsetX - stripWidth;
    }
  }
  drawElements(screen, work, target.style);
  QPainter painter(&shown);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect onTarget = view.intersected(shown.rect());
  if (!onTarget.isEmpty()) painter.drawImage(onTarget.topLeft(), work, onTarget);
  painter.end();
  target.update();
}

void showVisorView(Screen& screen) {
  const VisorState& visor = screen.session().visor;
  CanvasView* target = visorTarget(screen);
  if (!visor.defined || !target) return;
  drawVisorView(screen, *target, QRect(visor.offsetX, visor.offsetY, visor.width, visor.height));
}

QTimer& visorTimer(Screen& screen) {
  MainWindow& window = screen.window();
  if (auto* timer = window.findChild<QTimer*>("DxVisor", Qt::FindDirectChildrenOnly)) return *timer;
  auto* timer = new QTimer(&window);
  timer->setObjectName("DxVisor");
  timer->setInterval(kStartInterval);
  QObject::connect(timer, &QTimer::timeout, timer, [&screen] {
    if (QGuiApplication::applicationState() == Qt::ApplicationActive) visorTick(screen);
  });
  return *timer;
}

void visorTick(Screen& screen) {
  VisorState& visor = screen.session().visor;
  CanvasView* target = visorTarget(screen);
  if (!visor.defined || !target) return;
  // A strip of no frames is one frame, not a division by zero.
  const int frames = std::max(visor.frames, 1);
  const int frameWidth = visor.strip.width() / frames;
  if (visor.frame < 0 || visor.frame >= frames) visor.frame = 0;
  const int shown = visor.frame;
  visor.frame = shown + 1 >= frames ? 0 : shown + 1;
  drawVisorView(screen, *target, QRect(frameWidth * shown, 0, frameWidth, visor.strip.height()));
}

void stopVisor(Screen& screen) {
  visorTimer(screen).stop();
  screen.session().visor.clear();
}

}  // namespace taluvin
