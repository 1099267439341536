// DrawStyle: what a canvas draws with, kept with the buffer it belongs to.
#pragma once

#include <QColor>
#include <string>

namespace taluvin {

// A brush (solid or clear) and a font with its colour; the font itself is made where it is drawn.
struct DrawStyle {
  QColor brush = QColor(255, 255, 255);
  bool brushClear = false;
  QColor fontColor = QColor(0, 0, 0);
  std::string face = "Arial";
  int size = 12;  // points
  bool bold = false, italic = false, underline = false;

  void setStyleFlags(bool b, bool i, bool u) { bold = b; italic = i; underline = u; }
};

}  // namespace taluvin
