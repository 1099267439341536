// HudState: the overlay picture's position and switches, kept with the game.
#pragma once

namespace taluvin {

struct HudState {
  bool on = false;
  bool loaded = false;
  int x = 0;
  int y = 0;
};

}  // namespace taluvin
