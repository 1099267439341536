// Off-screen buffers and canvas widgets.
#include "present/canvas.h"

#include "present/font_faces.h"
#include "present/surface_budget.h"

#include <QPainter>
#include <algorithm>

namespace taluvin {

QFont canvasFont(const DrawStyle& style) {
  return gameFont(style.face, style.size, style.bold, style.italic, style.underline);
}

QImage blankImage(int width, int height, QColor fill) {
  // The last guard of the budget: whatever asked for the size, no image outgrows it.
  const QSize size = boundedSurface(std::max(width, 1), std::max(height, 1));
  QImage image(std::max(size.width(), 1), std::max(size.height(), 1), QImage::Format_RGB888);
  image.fill(fill);
  return image;
}

void drawImageOnto(QImage& target, const QImage& image, QPoint at) {
  if (target.isNull() || image.isNull()) return;
  QPainter p(&target);
  p.drawImage(at, image);
}

QImage withMagentaTransparent(const QImage& picture) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb magenta = qRgb(255, 0, 255);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if ((row[x] & 0xFFFFFF) == (magenta & 0xFFFFFF)) row[x] = 0;
  }
  return keyed;
}

void resizeBuffer(Buffer& buffer, int width, int height) {
  buffer.image = blankImage(width, height, buffer.style.brush);
}

void growBuffer(Buffer& buffer, int width, int height, QColor fill) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (buffer.image.width() == width && buffer.image.height() == height) return;
  QImage bigger = blankImage(width, height, fill);
  drawImageOnto(bigger, buffer.image);
  buffer.image = std::move(bigger);
}

void CanvasView::fitPictureToWidget() {
  if (picture().size() != size()) setPicture(blankImage(width(), height(), style.brush));
}

void CanvasView::fillPicture(QColor colour) {
  fitPictureToWidget();
  picture().fill(colour);
  update();
}

}  // namespace taluvin
