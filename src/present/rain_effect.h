// RainEffect: the rain timer `Chuva` and the frames it paints over the frozen picture screen.
#pragma once

#include <QTimer>
#include <string>

namespace taluvin {

class Screen;

class RainEffect {
 public:
  explicit RainEffect(Screen& screen);

  // Freezes the scene, reads the rain picture and its mask and starts the timer. Returns false with
  // the reason (a trace marker) when the rain picture cannot be read; the rain then stays off.
  bool start(std::string* failure);
  void stop();
  // The start of every run: the timer stops and the rain forgets its pictures and timing.
  void reset();
  bool running() const { return timer_.isActive(); }
  int intervalMs() const { return timer_.interval(); }
  void setInterval(int ms);

  // One frame: the rain over the frozen scene, behind the mask, the HUD on top, shown on Tela.
  // The timer calls it only while the program is the active application; tests call it directly.
  void tick();

 private:
  Screen& screen_;
  QTimer timer_;
};

}  // namespace taluvin
