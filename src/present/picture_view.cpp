// A picture widget that forwards pointer events to whoever owns the surface.
#include "present/picture_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace taluvin {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setMouseTracking(true);
}

void PictureView::setPicture(QImage image) {
  pending_ = nullptr;
  picture_ = std::move(image);
  update();
}

void PictureView::clearPicture() {
  pending_ = nullptr;
  picture_ = QImage();
  update();
}

void PictureView::setPendingPicture(std::function<QImage()> make) {
  pending_ = std::move(make);
  picture_ = QImage();
  update();
}

void PictureView::makePendingPicture() const {
  if (!pending_) return;
  // Cleared first: whatever make does, it is asked once.
  const auto make = std::move(pending_);
  pending_ = nullptr;
  picture_ = make();
}

void PictureView::paintEvent(QPaintEvent*) {
  makePendingPicture();
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (stretch_)
    painter.drawImage(rect(), picture_);
  else
    painter.drawImage(QPoint(0, 0), picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (onPress) onPress(event->position().toPoint(), event->button());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (onRelease) onRelease(event->position().toPoint(), event->button());
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
  if (onMove) onMove(event->position().toPoint());
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (onDoubleClick) onDoubleClick(event->position().toPoint());
}

void PictureView::wheelEvent(QWheelEvent* event) {
  if (onWheel) onWheel(event->angleDelta().y());
}

}  // namespace taluvin
