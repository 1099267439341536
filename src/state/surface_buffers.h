// Buffer and SurfaceBuffers: the off-screen images scripts draw into before a surface shows them.
#pragma once

#include "state/draw_style.h"

#include <QImage>

namespace taluvin {

// A 24-bit image and its canvas style. Making it a new size goes through the surface budget, which
// the drawing side keeps (resizeBuffer, growBuffer).
struct Buffer {
  QImage image;
  DrawStyle style;

  void fill(QColor colour) {
    if (!image.isNull()) image.fill(colour);
  }
  int width() const { return image.width(); }
  int height() const { return image.height(); }
};

// What the picture screen, the command panel and the monitor show after each run; each is drawn into
// during the run and copied onto its surface at the end.
struct SurfaceBuffers {
  Buffer pictureScreen;  // the size of the picture screen Tela
  Buffer commandPanel;   // the size of the command panel TelCmd
  Buffer monitor;        // model "4", at the monitor's scaled size
};

}  // namespace taluvin
