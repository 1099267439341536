// The rain: a picture layer falling over a frozen copy of the scene, behind an optional mask.
#include "present/rain_effect.h"

#include "present/canvas.h"
#include "present/picture_placement.h"
#include "present/rain_frame.h"
#include "present/screen.h"
#include "state/game_session.h"

#include <QGuiApplication>
#include <algorithm>

namespace taluvin {

RainEffect::RainEffect(Screen& screen) : screen_(screen) {
  timer_.setInterval(screen.session().rain.intervalMs);
  // The rain falls only while the player is looking at the program.
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (QGuiApplication::applicationState() == Qt::ApplicationActive) tick();
  });
}

void RainEffect::setInterval(int ms) {
  // A zero interval would tick at every turn of the event loop; one millisecond is the floor.
  screen_.session().rain.intervalMs = ms;
  timer_.setInterval(std::max(ms, 1));
}

bool RainEffect::start(std::string* failure) {
  GameSession& s = screen_.session();
  RainState& rain = s.rain;
  QImage layer;
  if (!loadGamePicture(s, rain.picture, layer, failure)) return false;
  QImage mask;
  const bool masked = !rain.mask.empty() && loadGamePicture(s, rain.mask, mask);
  prepareRain(rain, s.buffers.pictureScreen.image(), screen_.pictureScreen()->size(), layer, masked ? &mask : nullptr);
  rain.on = true;
  timer_.start();
  return true;
}

void RainEffect::stop() {
  timer_.stop();
  screen_.session().rain.on = false;
}

void RainEffect::reset() {
  stop();
  screen_.session().rain = RainState();
  timer_.setInterval(screen_.session().rain.intervalMs);
}

void RainEffect::tick() {
  GameSession& s = screen_.session();
  RainState& rain = s.rain;
  if (!rain.on || rain.rainLayer.isNull() || rain.frame.isNull()) return;
  composeRainFrame(rain, s.hud);
  CanvasView* tela = screen_.pictureScreen();
  tela->fitPictureToWidget();
  copyPicture(tela->picture(), rain.frame, QPoint(0, 0));
  tela->update();
}

}  // namespace taluvin
