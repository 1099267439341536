// PictureView: a widget showing one picture, optionally stretched, reporting pointer events.
#pragma once

#include "state/blank_picture.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

namespace taluvin {

class PictureView : public QWidget {
  Q_OBJECT
 public:
  explicit PictureView(QWidget* parent = nullptr);

  // The picture is the view's own canvas: commands draw into it and call update().
  QImage& picture() {
    makePendingPicture();
    return picture_;
  }
  const QImage& picture() const {
    makePendingPicture();
    return picture_;
  }
  void setPicture(QImage image);
  void clearPicture();
  // The picture is made by make only when it is first painted or asked for; a picture set before
  // that means make never runs. Drawing a picture nobody may see can cost more than a click.
  void setPendingPicture(std::function<QImage()> make);
  // A blank picture of that size and colour, made only when something draws on it or asks for it;
  // until then a paint fills the colour. Most pages start blank and many are never drawn on.
  void setPendingBlank(QSize size, QColor colour);
  // The picture's size, without making a pending blank.
  QSize pictureSize() const;
  // Still a blank that was never made, and its colour.
  bool pendingBlank() const { return pending_ && blank_.pending(); }
  QColor blankColour() const { return blank_.colour; }

  void setStretch(bool stretch) { stretch_ = stretch; update(); }
  bool stretch() const { return stretch_; }

  // Pointer events in the view's own pixel coordinates; unset handlers ignore the event.
  std::function<void(QPoint, Qt::MouseButton)> onPress;
  std::function<void(QPoint, Qt::MouseButton)> onRelease;
  std::function<void(QPoint)> onMove;
  std::function<void(QPoint)> onDoubleClick;
  std::function<void(int)> onWheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void makePendingPicture() const;

  mutable QImage picture_;
  mutable std::function<QImage()> pending_;
  // Pending while a blank is the picture (pending_ makes it).
  mutable BlankPicture blank_;
  QColor blankShown_;
  bool stretch_ = false;
};

}  // namespace taluvin
