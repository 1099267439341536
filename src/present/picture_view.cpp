// A picture widget that forwards pointer events to whoever owns the surface.
#include "present/picture_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace taluvin {

namespace {

// Drawn at a larger scale, a design pixel covers several device pixels; the pointer anywhere on
// them is on that pixel, so positions are cut down, not rounded to the nearest.
QPoint designPixel(const QMouseEvent* event) {
  const QPointF at = event->position();
  return QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}

}  // namespace

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setMouseTracking(true);
}

void PictureView::setPicture(QImage image) {
  pending_ = nullptr;
  blankSize_ = QSize();
  picture_ = std::move(image);
  update();
}

void PictureView::clearPicture() {
  pending_ = nullptr;
  blankSize_ = QSize();
  picture_ = QImage();
  update();
}

void PictureView::setPendingPicture(std::function<QImage()> make) {
  pending_ = std::move(make);
  blankSize_ = QSize();
  picture_ = QImage();
  update();
}

void PictureView::setPendingBlank(QSize size, QColor colour) {
  pending_ = [size, colour] {
    QImage blank(size, QImage::Format_RGB888);
    blank.fill(colour);
    return blank;
  };
  blankSize_ = size;
  blankColour_ = colour;
  // Painted as the made picture would show it: a colour with alpha loses it in a 24-bit picture.
  QImage pixel(1, 1, QImage::Format_RGB888);
  pixel.fill(colour);
  blankShown_ = pixel.pixelColor(0, 0);
  picture_ = QImage();
  update();
}

QSize PictureView::pictureSize() const {
  if (pending_ && blankSize_.isValid()) return blankSize_;
  return picture().size();
}

void PictureView::makePendingPicture() const {
  if (!pending_) return;
  // Cleared first: whatever make does, it is asked once.
  const auto make = std::move(pending_);
  pending_ = nullptr;
  blankSize_ = QSize();
  picture_ = make();
}

void PictureView::paintEvent(QPaintEvent*) {
  if (pendingBlank()) {
    QPainter(this).fillRect(stretch_ ? rect() : QRect(QPoint(0, 0), blankSize_), blankShown_);
    return;
  }
  makePendingPicture();
  if (picture_.isNull()) return;
  QPainter painter(this);
  // At a whole scale factor each pixel becomes a sharp square block; at a fractional one blocks
  // would come out unevenly wide, so the picture is smoothed instead.
  const qreal scale = devicePixelRatioF();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != std::floor(scale));
  if (stretch_)
    painter.drawImage(rect(), picture_);
  else
    painter.drawImage(QPoint(0, 0), picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (onPress) onPress(designPixel(event), event->button());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (onRelease) onRelease(designPixel(event), event->button());
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
  if (onMove) onMove(designPixel(event));
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (onDoubleClick) onDoubleClick(designPixel(event));
}

void PictureView::wheelEvent(QWheelEvent* event) {
  if (onWheel) onWheel(event->angleDelta().y());
}

}  // namespace taluvin
