// Composing rain frames row by row on 24-bit images, fast enough for a tick every 40 ms.
#include "present/rain_frame.h"

#include "present/canvas.h"

#include <algorithm>
#include <cstring>

namespace taluvin {

namespace {

constexpr uchar kMagenta[3] = {0xFF, 0x00, 0xFF};
constexpr uchar kWhite[3] = {0xFF, 0xFF, 0xFF};

QImage asRgb888(const QImage& image) {
  return image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
}

// With a key, source pixels of that colour leave target as it was. Rows are copied byte for byte:
// a tick is a handful of these over the whole screen and must stay far below its period.
void copyRows(QImage& target, const QImage& source, QPoint at, const uchar* key = nullptr) {
  if (target.isNull() || source.isNull()) return;
  const int64_t left = std::max<int64_t>(0, at.x());
  const int64_t top = std::max<int64_t>(0, at.y());
  const int64_t right = std::min<int64_t>(target.width(), int64_t{at.x()} + source.width());
  const int64_t bottom = std::min<int64_t>(target.height(), int64_t{at.y()} + source.height());
  if (left >= right || top >= bottom) return;
  const int64_t width = right - left;
  for (int64_t y = top; y < bottom; ++y) {
    const uchar* from = source.constScanLine(static_cast<int>(y - at.y())) + 3 * (left - at.x());
    uchar* to = target.scanLine(static_cast<int>(y)) + 3 * left;
    if (!key) {
      std::memcpy(to, from, static_cast<size_t>(3 * width));
      continue;
    }
    for (int64_t x = 0; x < width; ++x, from += 3, to += 3)
      if (from[0] != key[0] || from[1] != key[1] || from[2] != key[2]) std::memcpy(to, from, 3);
  }
}

// The layer's bottom rows become its top rows and the rest falls by that many.
void fallCyclically(QImage& layer, int step) {
  const int height = layer.height();
  if (height <= 0) return;
  const int rows = ((step % height) + height) % height;
  if (rows == 0) return;
  const size_t rowBytes = static_cast<size_t>(layer.bytesPerLine());
  uchar* bits = layer.bits();
  std::rotate(bits, bits + rowBytes * static_cast<size_t>(height - rows), bits + rowBytes * static_cast<size_t>(height));
}

}  // namespace

void prepareRain(RainState& rain, const QImage& scene, QSize screen, const QImage& layer, const QImage* mask) {
  rain.background = blankImage(screen.width(), screen.height(), QColor(0, 0, 0));
  copyRows(rain.background, asRgb888(scene), QPoint(0, 0));
  rain.frame = rain.background.copy();
  // A mask that cannot be read hides nothing, rather than the whole rain behind a plain scene.
  rain.maskLayer = QImage();
  if (mask && !mask->isNull()) {
    rain.maskLayer = rain.background.copy();
    copyRows(rain.maskLayer, asRgb888(*mask), QPoint(0, 0), kWhite);
  }
  rain.rainLayer = asRgb888(layer);
}

void composeRainFrame(RainState& rain, const HudState& hud) {
  copyRows(rain.frame, rain.background, QPoint(0, 0));
  copyRows(rain.frame, rain.rainLayer, QPoint(0, 0), kMagenta);
  copyRows(rain.frame, rain.maskLayer, QPoint(0, 0), kMagenta);
  fallCyclically(rain.rainLayer, rain.step);
  if (hud.on && hud.loaded) copyRows(rain.frame, asRgb888(hud.picture), QPoint(hud.x, hud.y), kMagenta);
}

void copyPicture(QImage& target, const QImage& source, QPoint at) {
  if (target.format() != QImage::Format_RGB888) target = asRgb888(target);
  copyRows(target, asRgb888(source), at);
}

}  // namespace taluvin
