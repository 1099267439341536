// Drawing a decoded picture onto a surface: copied or stretched, magenta left out, clipped to the surface.
#pragma once

#include <QImage>
#include <QRect>

namespace taluvin {

// The colour that is never painted when a picture is drawn through the loading image.
inline constexpr QRgb kTransparentKey = 0xFFFF00FF;

// Draws picture into rect of target: copied when rect has the picture's own size, otherwise
// stretched to the nearest pixel. Keyed drawing leaves the target's pixels under magenta
// untouched. Only the part of rect inside target is visited, so a picture far larger than the
// surface, or placed mostly off it, costs only what shows.
void drawPicture(QImage& target, const QImage& picture, const QRect& rect, bool keyed = true);

}  // namespace taluvin
