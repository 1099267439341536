// Building the window's visible region from the frame picture.
#include "present/window_shape.h"

#include <QWidget>

namespace taluvin {

QRegion regionWithoutMagenta(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  QRegion region;
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* row = rgb.constScanLine(y);
    int runStart = -1;
    for (int x = 0; x <= rgb.width(); ++x) {
      const bool magenta =
          x == rgb.width() || (row[x * 3] == 0xFF && row[x * 3 + 1] == 0x00 && row[x * 3 + 2] == 0xFF);
      if (!magenta && runStart < 0) runStart = x;
      if (magenta && runStart >= 0) {
        region += QRect(runStart, y, x - runStart, 1);
        runStart = -1;
      }
    }
  }
  return region;
}

void shapeWindowFromFrame(QWidget& window, const QImage& framePicture) {
  if (framePicture.isNull()) return;
  // Changing the flags of a shown window hides it, so they are only touched when they differ.
  if (!window.windowFlags().testFlag(Qt::FramelessWindowHint)) window.setWindowFlag(Qt::FramelessWindowHint, true);
  // The frame picture is stretched over the content area, so the mask is taken at that size.
  const QImage scaled = framePicture.size() == window.size() ? framePicture : framePicture.scaled(window.size());
  window.setMask(regionWithoutMagenta(scaled));
}

}  // namespace taluvin
