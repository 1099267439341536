// Window shaping: the magenta parts of the frame picture are cut out of the window.
#pragma once

#include <QImage>
#include <QRegion>

class QWidget;

namespace taluvin {

// The region of the picture's pixels that are not magenta, built from one-row runs.
QRegion regionWithoutMagenta(const QImage& picture);

// Borderless window of the picture's size whose visible region leaves out the magenta pixels.
void shapeWindowFromFrame(QWidget& window, const QImage& framePicture);

}  // namespace taluvin
