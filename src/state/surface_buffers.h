// Buffer and SurfaceBuffers: the off-screen images scripts draw into before a surface shows them.
#pragma once

#include "state/blank_picture.h"
#include "state/draw_style.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace taluvin {

// A 24-bit image and its canvas style. Making it a new size goes through the surface budget, which
// the drawing side keeps (resizeBuffer, growBuffer). A blank buffer is held as its size and colour
// until something draws on it or reads its pixels: most start blank, and many are never drawn on.
class Buffer {
 public:
  DrawStyle style;

  // The pixels; a pending blank is made now.
  QImage& image() {
    makeBlank();
    return image_;
  }
  const QImage& image() const {
    makeBlank();
    return image_;
  }
  void setImage(QImage image) {
    image_ = std::move(image);
    blank_ = {};
  }
  // A blank of that size (not empty) and colour, made when first needed.
  void setBlank(QSize size, QColor colour) {
    image_ = QImage();
    blank_ = {size, colour};
  }
  // Still a blank that was never made, and its colour.
  bool pendingBlank() const { return blank_.pending(); }
  QColor blankColour() const { return blank_.colour; }

  void fill(QColor colour) {
    if (pendingBlank())
      blank_.colour = colour;
    else if (!image_.isNull())
      image_.fill(colour);
  }
  QSize size() const { return pendingBlank() ? blank_.size : image_.size(); }
  int width() const { return size().width(); }
  int height() const { return size().height(); }

 private:
  void makeBlank() const {
    if (!pendingBlank()) return;
    image_ = blank_.make();
    blank_ = {};
  }

  mutable QImage image_;
  mutable BlankPicture blank_;
};

// What the picture screen, the command panel and the monitor show after each run; each is drawn into
// during the run and copied onto its surface at the end.
struct SurfaceBuffers {
  Buffer pictureScreen;  // the size of the picture screen Tela
  Buffer commandPanel;   // the size of the command panel TelCmd
  Buffer monitor;        // model "4", at the monitor's scaled size
};

}  // namespace taluvin
