// The title picture built into the program, shown until a game sets its own.
#pragma once

#include <QImage>

namespace taluvin {

QImage builtInOpeningPicture(int width = 900, int height = 420);

}  // namespace taluvin
