// BlankPicture: a blank 24-bit picture held as its size and colour until its pixels are needed.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace taluvin {

// Most surfaces start blank and many are never drawn on, so a blank is kept as what it would be
// and made only when something draws on it or reads its pixels.
struct BlankPicture {
  QSize size;  // invalid while no blank is pending
  QColor colour;

  bool pending() const { return size.isValid(); }
  QImage make() const {
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    return image;
  }
  // The colour the made picture holds: a colour with alpha loses it in a 24-bit picture.
  QColor shownColour() const {
    QImage pixel(1, 1, QImage::Format_RGB888);
    pixel.fill(colour);
    return pixel.pixelColor(0, 0);
  }
};

}  // namespace taluvin
