// Zone pictures and labels, pointer shapes, and zones recorded by other drawing code.
#include "present/zone_drawing.h"

#include "present/font_faces.h"
#include "present/picture_cache.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "state/game_paths.h"
#include "state/game_session.h"

#include <QFontMetrics>
#include <QPainter>

namespace taluvin {

namespace {

constexpr int kLabelFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
constexpr int kUnbounded = 100000;

}  // namespace

QSize measureLabel(const QString& text, const QFont& font) {
  return QFontMetrics(font).boundingRect(QRect(0, 0, kUnbounded, kUnbounded), kLabelFlags, text).size();
}

QSize writeLabel(QImage& target, int x, int y, const QString& text, const QFont& font, QColor colour) {
  const QSize size = measureLabel(text, font);
  if (target.isNull()) return size;
  QPainter painter(&target);
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(QRect(QPoint(x, y), size), kLabelFlags, text);
  return size;
}

QFont styleFont(const GameSession& session, double scale) {
  const TextStyle& style = session.screen.style;
  const int size = boundedFontSize(scaledBounded(style.size * scale));
  return gameFont(style.face.empty() ? std::string("Arial") : style.face, size > 0 ? size : 1, style.bold,
                  style.italic, style.underline);
}

const QImage& loadIntoLoadingImage(Screen& screen, const std::string& name, std::string* error) {
  CanvasView* loading = screen.loadingImage();
  // A picture that cannot be read (or an empty name) must show as nothing, never as whatever
  // picture happened to be loaded before it.
  QImage picture;
  loadGamePicture(screen.session(), name, picture, error);
  loading->setPicture(std::move(picture));
  return loading->picture();
}

void releaseLargerThan(Screen& screen, const std::string& name, QSize surface) {
  CanvasView* loading = screen.loadingImage();
  const QSize size = loading->picture().size();
  if (size.width() <= surface.width() && size.height() <= surface.height()) return;
  // The name is looked up now: the picture made again later is the file drawn now.
  const auto path = screen.session().resolveName(name);
  if (path) pictureCache().forget(*path);
  loading->setPendingPicture([path, name] {
    PictureLoad load = path ? pictureCache().load(*path, name) : PictureLoad{};
    return load.ok() ? std::move(load.image) : QImage();
  });
}

void drawZonePicture(Screen& screen, QImage& surface, const HotZone& zone, const std::string& name) {
  const QImage& picture = loadIntoLoadingImage(screen, name);
  drawPicture(surface, picture, QRect(zone.left, zone.top, zone.width, zone.height));
}

QImage& frameCanvas(Screen& screen) {
  CanvasView* framePicture = screen.framePicture();
  if (framePicture->picture().isNull()) framePicture->fitPictureToWidget();
  return framePicture->picture();
}

Qt::CursorShape cursorShapeFor(int cursorType) {
  switch (cursorType) {
    case 1: return Qt::DragMoveCursor;
    case 2: return Qt::PointingHandCursor;
    case 3: return Qt::SplitHCursor;
    case 4: return Qt::DragCopyCursor;
    case 5: return Qt::ForbiddenCursor;
    case 6: return Qt::SplitVCursor;
    case 7: return Qt::BusyCursor;
    case 8: return Qt::BlankCursor;
    case 9: return Qt::ForbiddenCursor;
    case 10: return Qt::WaitCursor;
    case 11: return Qt::CrossCursor;
    default: return Qt::ArrowCursor;
  }
}

int recordZoneIn(ZoneState& zones, Surface surface, const HotZone& zone) {
  const int index = zones.table.take(surface);
  HotZone& slot = zones.table.slot(index);
  slot = zone;
  slot.active = true;
  return index;
}

int recordLinkZone(ZoneState& zones, Surface surface, const LinkZone& link) {
  HotZone zone;
  zone.firstValue = link.label;
  zone.action = link.script;
  zone.secondValue = link.hoverPicture;
  zone.sound = link.sound;
  zone.left = link.rect.left();
  zone.top = link.rect.top();
  zone.width = link.rect.width();
  zone.height = link.rect.height();
  zone.cursorType = static_cast<uint8_t>(link.cursor);
  return recordZoneIn(zones, surface, zone);
}

}  // namespace taluvin
