// Off-screen buffers and canvas widgets.
#include "present/canvas.h"

#include "present/font_faces.h"
#include "present/surface_budget.h"
#include "state/blank_picture.h"

#include <QPainter>
#include <algorithm>

namespace taluvin {

QFont canvasFont(const DrawStyle& style) {
  return gameFont(style.face, style.size, style.bold, style.italic, style.underline);
}

QSize blankSize(int width, int height) {
  // The last guard of the budget: whatever asked for the size, no image outgrows it.
  const QSize size = boundedSurface(std::max(width, 1), std::max(height, 1));
  return QSize(std::max(size.width(), 1), std::max(size.height(), 1));
}

QImage blankImage(int width, int height, QColor fill) { return BlankPicture{blankSize(width, height), fill}.make(); }

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
  buffer.setBlank(blankSize(width, height), buffer.style.brush);
}

void growBuffer(Buffer& buffer, int width, int height, QColor fill) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (buffer.width() == width && buffer.height() == height) return;
  QImage bigger = blankImage(width, height, fill);
  drawImageOnto(bigger, buffer.image());
  buffer.setImage(std::move(bigger));
}

void showBufferOn(CanvasView& view, const Buffer& buffer) {
  // A blank that fills the picture leaves a blank of its colour: nothing need be made or drawn.
  if (buffer.pendingBlank() && buffer.size() == view.pictureSize()) {
    view.setPendingBlank(buffer.size(), buffer.blankColour());
    return;
  }
  drawImageOnto(view.picture(), buffer.image());
}

void takeBackShownPicture(Buffer& buffer, const CanvasView& view) {
  if (view.pendingBlank() && view.pictureSize() == buffer.size()) {
    buffer.setBlank(buffer.size(), view.blankColour());
    return;
  }
  drawImageOnto(buffer.image(), view.picture());
}

void CanvasView::fitPictureToWidget() {
  if (pictureSize() != size()) setPendingBlank(blankSize(width(), height()), style.brush);
}

void CanvasView::fillPicture(QColor colour) {
  // The whole picture in one colour is a blank of that colour, made only if it is drawn on.
  if (pictureSize() == size() && size().isEmpty()) return;
  setPendingBlank(blankSize(width(), height()), colour);
}

}  // namespace taluvin
