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
  blank_ = {};
  picture_ = std::move(image);
  update();
}

void PictureView::clearPicture() {
  pending_ = nullptr;
  blank_ = {};
  picture_ = QImage();
  update();
}

void PictureView::setPendingPicture(std::function<QImage()> make) {
  pending_ = std::move(make);
  blank_ = {};
  picture_ = QImage();
  update();
}

void PictureView::setPendingBlank(QSize size, QColor colour) {
  blank_ = {size, colour};
  pending_ = [blank = blank_] { return blank.make(); };
  // Painted as the made picture would show it.
  blankShown_ = blank_.shownColour();
  picture_ = QImage();
  update();
}

QSize PictureView::pictureSize() const {
  if (pendingBlank()) return blank_.size;
  return picture().size();
}

void PictureView::makePendingPicture() const {
  if (!pending_) return;
  // Cleared first: whatever make does, it is asked once.
  const auto make = std::move(pending_);
  pending_ = nullptr;
  blank_ = {};
  picture_ = make();
}

void PictureView::paintEvent(QPaintEvent*) {
  if (pendingBlank()) {
    QPainter(this).fillRect(stretch_ ? rect() : QRect(QPoint(0, 0), blank_.size), blankShown_);
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
