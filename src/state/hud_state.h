// HudState: the overlay picture, its position and switches, kept with the game.
#pragma once

#include <QImage>

namespace taluvin {

struct HudState {
  // The picture "hud=" last read; drawn only once loaded says a picture was read.
  QImage picture;
  bool on = false;
  bool loaded = false;
  int x = 0;
  int y = 0;
};

}  // namespace taluvin
