// RainState: the rain's pictures, its timing and the images each falling frame is composed from.
#pragma once

#include <QImage>
#include <string>

namespace taluvin {

struct RainState {
  // Names as the script gave them; a change shows at the next start.
  std::string picture;
  std::string mask;
  int intervalMs = 40;
  int step = 20;  // rows the rain layer falls per tick
  bool on = false;

  // Made when the rain starts, all 24-bit: the scene frozen at that moment (BkTel), the frame
  // being composed, the falling layer, and the scene with the mask's non-white parts over it.
  QImage background;
  QImage frame;
  QImage rainLayer;
  QImage maskLayer;
};

}  // namespace taluvin
