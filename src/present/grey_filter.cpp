// Grey and tint filter: the rectangle is copied into a 24-bit work image, filtered row by row, and
// drawn back, so every surface format is treated alike.
#include "present/grey_filter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace taluvin {

namespace {

uchar greyOf(const uchar* pixel, int32_t level) {
  const long luminance = std::lround(0.3 * pixel[0] + 0.59 * pixel[1] + 0.11 * pixel[2]);
  return static_cast<uchar>(std::clamp<int64_t>(int64_t{luminance} + level, 0, 255));
}

uchar tinted(uchar channel, int cap, int32_t level) {
  int64_t value = std::min<int64_t>(channel, cap);
  if (level > 0) value = std::max<int64_t>(value, int64_t{cap} - level);
  return static_cast<uchar>(value);
}

}  // namespace

void filterGreyOrTint(QImage& image, const QRect& rect, uint32_t colour, int32_t level) {
  if (image.isNull()) return;
  const QRect area = rect.intersected(image.rect());
  if (area.isEmpty()) return;
  QImage work = image.copy(area).convertToFormat(QImage::Format_RGB888);
  colour &= 0xFFFFFF;
  const int caps[3] = {static_cast<int>(colour >> 16), static_cast<int>((colour >> 8) & 0xFF),
                       static_cast<int>(colour & 0xFF)};
  for (int y = 0; y < work.height(); ++y) {
    uchar* pixel = work.scanLine(y);
    for (int x = 0; x < work.width(); ++x, pixel += 3) {
      if (colour == 0) {
        pixel[0] = pixel[1] = pixel[2] = greyOf(pixel, level);
      } else {
        for (int c = 0; c < 3; ++c) pixel[c] = tinted(pixel[c], caps[c], level);
      }
    }
  }
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(area.topLeft(), work);
}

}  // namespace taluvin
