// "cinza=" filters a rectangle of a surface grey or towards a tint; "chuva=" drives the rain.
#include "present/effect_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/grey_filter.h"
#include "present/picture_placement.h"
#include "present/rain_effect.h"
#include "present/screen.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "state/game_session.h"

#include <algorithm>

namespace taluvin {

namespace {

const std::string kNoFile = w(" <--- arquivo não existe");

// The part of (x, y, width, height) inside a surface of that size; wide numbers cannot overflow it.
QRect insideSurface(int64_t x, int64_t y, int64_t width, int64_t height, QSize size) {
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t top = std::max<int64_t>(y, 0);
  const int64_t right = std::min<int64_t>(x + width, size.width());
  const int64_t bottom = std::min<int64_t>(y + height, size.height());
  if (left >= right || top >= bottom) return QRect();
  return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
               static_cast<int>(bottom - top));
}

// The picture the filter works on, or none when the target does nothing in this model; repaint is
// the widget to show the change at once (buffers show at the end of the run).
QImage* greyTarget(Screen& screen, const std::string& target, PictureView*& repaint) {
  const ScreenModel model = screen.session().Modelo.kind();
  repaint = nullptr;
  if (target == "tel") {
    if (model == ScreenModel::PictureScreen) return &screen.pictureBuffer().image();
    if (model != ScreenModel::ScrollPage) return nullptr;
    repaint = screen.pictureScreen();
    return &screen.pictureScreen()->picture();
  }
  if (target == "fnc") return &screen.panelBuffer().image();
  repaint = screen.framePicture();
  return &frameCanvas(screen);
}

}  // namespace

Flow cmdGrey(ScriptInterpreter& ip) {
  // slot 1 = "tel", "fnc" or "pan", 2 = colour RRGGBB (0: grey), 3 = level, 4..7 = x, y, width, height
  static const std::string kBadTarget = w(" <--- não definiu local corretamente");
  GameSession& s = ip.session();
  const std::string& target = ip.arg(1);
  ip.Trace += target;
  if (target != "tel" && target != "fnc" && target != "pan") {
    ip.Trace += kBadTarget;
    return Flow::Done;
  }
  const std::string colourText = ip.arg(2).empty() ? s.screen.style.background : ip.arg(2);
  const int32_t colour = toIntOr("$" + colourText, 0);
  const int32_t level = toIntOr(ip.arg(3), 0);
  const int32_t x = toIntOr(ip.arg(4), 0);
  const int32_t y = toIntOr(ip.arg(5), 0);
  const int32_t width = toIntOr(ip.arg(6), 0);
  const int32_t height = toIntOr(ip.arg(7), 0);
  if (ip.Trace.on()) ip.Trace += "," + colourText + "," + std::to_string(level) + "," + std::to_string(x) + "," + std::to_string(y) +
              "," + std::to_string(width) + "," + std::to_string(height);
  Screen& screen = ip.context().screen();
  PictureView* repaint = nullptr;
  QImage* picture = greyTarget(screen, target, repaint);
  if (!picture || picture->isNull()) return Flow::Done;
  const QSize size = picture->size();
  const QRect rect = insideSurface(x, y, width == 0 ? size.width() : width, height == 0 ? size.height() : height, size);
  filterGreyOrTint(*picture, rect, static_cast<uint32_t>(colour), level);
  if (repaint) repaint->update();
  return Flow::Done;
}

Flow cmdRain(ScriptInterpreter& ip) {
  // slot 1 = rain picture, "off", "mask", "int", "wgotas" or "on"; slot 2 = the mask picture or
  // "off", the interval in milliseconds, or the fall step in pixels
  GameSession& s = ip.session();
  if (s.Modelo != ScreenModel::PictureScreen) return Flow::Done;
  RainEffect& rain = ip.context().screen().rain();
  const std::string& what = ip.arg(1);
  const std::string& value = ip.arg(2);
  if (what == "off") {
    ip.Trace += what;
    rain.stop();
  } else if (what == "mask") {
    if (ip.Trace.on()) ip.Trace += what + "," + value;
    if (value.empty() || value == "off")
      s.rain.mask.clear();
    else if (gameFileExists(s, value))
      s.rain.mask = value;
    else
      ip.Trace += kNoFile;
  } else if (what == "int") {
    rain.setInterval(toIntOr(value, 40));
    if (ip.Trace.on()) ip.Trace += "," + std::to_string(s.rain.intervalMs);
  } else if (what == "wgotas") {
    s.rain.step = toIntOr(value, 20);
    if (ip.Trace.on()) ip.Trace += what + "," + std::to_string(s.rain.step);
  } else if (what == "on") {
    ip.Trace += what;
    std::string failure;
    if (!s.rain.picture.empty() && !rain.start(&failure)) ip.Trace += unreadablePictureMarker(failure);
  } else {
    ip.Trace += what;
    if (gameFileExists(s, what))
      s.rain.picture = what;
    else
      ip.Trace += kNoFile;
  }
  return Flow::Done;
}

}  // namespace taluvin
