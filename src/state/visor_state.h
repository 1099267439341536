// VisorState: the view a "visor=" defined into a wide strip picture, its offsets and its drag.
#pragma once

#include <QImage>
#include <map>
#include <string>

namespace taluvin {

struct VisorState {
  // "000" frame animation, "090" four facings, "180" a panorama that stops at its edges, "360" one
  // that goes round. Nothing is drawn through the visor until a view is defined.
  std::string mode;
  bool defined = false;
  int x = 0, y = 0, width = 0, height = 0;
  QImage strip;  // VzrBuf
  int frames = 0, speed = 0, frame = 0;
  // Where the view's top-left lies in the strip; the saved x offset is where the elements that move
  // with the strip are placed, which a "360" view wrapping past its end puts one strip-width back.
  int offsetX = 0, offsetY = 0, savedOffsetX = 0;
  // "090": the register holding the facing 0-3; the four after it hold the scripts ahead.
  int facingRegister = 0;

  // A drag: where the pointer was at its last move, and where on the desktop it went down.
  int lastX = 0, lastY = 0;
  int pressScreenX = 0, pressScreenY = 0;

  // The elements' pictures, read once per visor rather than at every pointer move.
  std::map<std::string, QImage> pictures;

  void clear() { *this = VisorState(); }
};

}  // namespace taluvin
