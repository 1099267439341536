// The grey and tint filter over a rectangle of a picture.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>

namespace taluvin {

// colour is RRGGBB with red in the high byte. Colour 0 turns every pixel grey, its luminance
// shifted by level and kept within 0..255; any other colour caps each channel at the colour's byte
// and, with a positive level, raises it to at least that byte minus level. Only the part of rect
// inside the image is touched.
void filterGreyOrTint(QImage& image, const QRect& rect, uint32_t colour, int32_t level);

}  // namespace taluvin
