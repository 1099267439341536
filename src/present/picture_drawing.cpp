// Keyed copying and nearest-pixel stretching of 24-bit pictures, row by row from the decoded pixels.
#include "present/picture_drawing.h"

#include <QPainter>
#include <cmath>
#include <cstring>

namespace taluvin {

namespace {

constexpr uchar kKeyRed = 0xFF, kKeyGreen = 0x00, kKeyBlue = 0xFF;

inline bool isKey(const uchar* pixel) {
  return pixel[0] == kKeyRed && pixel[1] == kKeyGreen && pixel[2] == kKeyBlue;
}

// Copies count pixels, leaving the target's pixel wherever the source has the key; runs between
// keys go in one memcpy, so an unkeyed picture costs one copy per row.
void copyKeyedRow(uchar* target, const uchar* source, int count) {
  int start = 0;
  for (int x = 0; x < count; ++x) {
    if (!isKey(source + 3 * x)) continue;
    if (x > start) std::memcpy(target + 3 * start, source + 3 * start, size_t(x - start) * 3);
    start = x + 1;
  }
  if (count > start) std::memcpy(target + 3 * start, source + 3 * start, size_t(count - start) * 3);
}

void copyAtOwnSize(QImage& target, const QImage& picture, const QPoint at, bool keyed) {
  const QRect shown = QRect(at, picture.size()).intersected(target.rect());
  if (shown.isEmpty()) return;
  const int fromX = shown.left() - at.x(), fromY = shown.top() - at.y();
  const size_t rowBytes = size_t(shown.width()) * 3;
  for (int row = 0; row < shown.height(); ++row) {
    const uchar* source = picture.constScanLine(fromY + row) + 3 * fromX;
    uchar* line = target.scanLine(shown.top() + row) + 3 * shown.left();
    if (keyed)
      copyKeyedRow(line, source, shown.width());
    else
      std::memcpy(line, source, rowBytes);
  }
}

// Pictures stretched here must come out exactly as they did when the painter stretched them, so
// this is the painter's own nearest-pixel walk: 16.16 fixed-point steps starting from the centre
// of the first pixel shown, and a last row or column whose sample would fall past the picture is
// left undrawn rather than clamped.
void stretch(QImage& target, const QImage& picture, const QRect& rect, bool keyed) {
  const QRect shown = rect.intersected(target.rect());
  if (shown.isEmpty()) return;
  const double scaleX = picture.width() / double(rect.width());
  const double scaleY = picture.height() / double(rect.height());
  const int stepX = int(65536 * scaleX), stepY = int(65536 * scaleY);
  const auto firstSample = [](int shownStart, int rectStart, double scale) {
    return static_cast<uint32_t>(int(std::ceil((shownStart + 0.5 - rectStart) * scale * 65536)) - 1);
  };
  const uint32_t startX = firstSample(shown.left(), rect.left(), scaleX);
  uint32_t sampleY = firstSample(shown.top(), rect.top(), scaleY);
  int width = shown.width(), height = shown.height();
  const auto lastOutside = [](uint32_t start, int step, int count, int side) {
    const int last = int((start + uint32_t(step) * uint32_t(count - 1)) >> 16);
    return last < 0 || last >= side;
  };
  if (lastOutside(sampleY, stepY, height, picture.height())) --height;
  if (lastOutside(startX, stepX, width, picture.width())) --width;
  for (int row = 0; row < height; ++row, sampleY += uint32_t(stepY)) {
    const uchar* source = picture.constScanLine(int(sampleY >> 16));
    uchar* line = target.scanLine(shown.top() + row) + 3 * shown.left();
    uint32_t sampleX = startX;
    for (int x = 0; x < width; ++x, sampleX += uint32_t(stepX), line += 3) {
      const uchar* pixel = source + 3 * (sampleX >> 16);
      if (keyed && isKey(pixel)) continue;
      line[0] = pixel[0];
      line[1] = pixel[1];
      line[2] = pixel[2];
    }
  }
}

// Past these sizes the painter leaves its fixed-point walk for another with other rounding, so
// such stretches (and formats other than the decoders' own) still go through the painter.
bool withinFixedPoint(const QRect& rect) {
  constexpr int kReach = 0x7fff;
  return rect.width() <= kReach && rect.height() <= kReach && rect.left() >= -kReach && rect.top() >= -kReach &&
         rect.left() + rect.width() <= kReach && rect.top() + rect.height() <= kReach;
}

void drawWithPainter(QImage& target, const QImage& picture, const QRect& rect, bool keyed) {
  QImage source = picture.convertToFormat(QImage::Format_ARGB32);
  if (keyed) {
    for (int row = 0; row < source.height(); ++row) {
      auto* line = reinterpret_cast<QRgb*>(source.scanLine(row));
      const int width = source.width();
      for (int col = 0; col < width; ++col)
        if ((line[col] | 0xFF000000u) == kTransparentKey) line[col] = 0;
    }
  }
  QPainter painter(&target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (rect.size() == source.size())
    painter.drawImage(rect.topLeft(), source);
  else
    painter.drawImage(rect, source);
}

}  // namespace

void drawPicture(QImage& target, const QImage& picture, const QRect& rect, bool keyed) {
  if (target.isNull() || picture.isNull() || rect.width() <= 0 || rect.height() <= 0) return;
  const bool ownFormats = target.format() == QImage::Format_RGB888 && picture.format() == QImage::Format_RGB888;
  if (ownFormats && rect.size() == picture.size())
    copyAtOwnSize(target, picture, rect.topLeft(), keyed);
  else if (ownFormats && withinFixedPoint(rect))
    stretch(target, picture, rect, keyed);
  else
    drawWithPainter(target, picture, rect, keyed);
}

}  // namespace taluvin
