// "visor=": the view into a strip picture in its four modes, and the elements drawn over it.
#include "present/visor_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/canvas.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "present/visor_view.h"
#include "present/zone_drawing.h"
#include "script/command_context.h"
#include "script/interpreter.h"
#include "state/game_session.h"
#include "world/register_access.h"

#include <QTimer>
#include <algorithm>
#include <array>

namespace taluvin {

namespace {

const std::string kMissingElementFile = w(" <--- arquivo não existe");
const std::string kMissingStrip = w(" <--- não existe este arquivo");
const std::string kNoSuchSubCommand = w(" <--- não existe esta sub instrução");
const std::string kRegisterOutOfRange = " <--- registrador fora de faixa";
const std::string kDefaultTextStyle = "000000BiU";
constexpr int kFacings = 4;

bool isElementKind(const std::string& k) { return k == "fig" || k == "img" || k == "txt" || k == "lnk"; }
bool isViewMode(const std::string& k) { return k == "000" || k == "090" || k == "180" || k == "360"; }

struct Rectangle {
  int x, y, width, height;
};

// Slots 2-5: x and y (0), width and height (Tela's), cut to what a surface holds.
Rectangle readRectangle(ScriptInterpreter& ip) {
  const CanvasView* tela = ip.context().screen().pictureScreen();
  Rectangle r{toIntOr(ip.arg(2), 0), toIntOr(ip.arg(3), 0), toIntOr(ip.arg(4), tela->width()),
              toIntOr(ip.arg(5), tela->height())};
  if (ip.Trace.on()) ip.Trace += "," + std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.width) + "," +
              std::to_string(r.height);
  r.x = commandPosition(ip.Trace, r.x);
  r.y = commandPosition(ip.Trace, r.y);
  r.width = commandSide(ip.Trace, r.width);
  r.height = commandSide(ip.Trace, r.height);
  return r;
}

void defineElement(ScriptInterpreter& ip, const std::string& kind) {
  // slots 2..5 = x, y, width, height; 6 = picture ("fig", "img") or colour and style ("txt", "lnk");
  // 7 = hover picture or the text; 8 = script; 9 = cursor type (1 with a script, else 0)
  GameSession& s = ip.session();
  const Rectangle r = readRectangle(ip);
  for (int slot = 6; slot <= 9; ++slot) ip.Trace += "," + ip.arg(slot);
  const bool picture = kind == "fig" || kind == "img";
  if (picture) {
    for (int slot : {6, 7}) {
      if (!ip.arg(slot).empty() && !gameFileExists(s, ip.arg(slot))) {
        ip.Trace += kMissingElementFile;
        return;
      }
    }
  }
  HotZone zone;
  zone.kind = kind;
  zone.left = r.x;
  zone.top = r.y;
  zone.width = r.width;
  zone.height = r.height;
  zone.action = ip.arg(8);
  zone.cursorType = static_cast<uint8_t>(toIntOr(ip.arg(9), zone.action.empty() ? 0 : 1));
  if (picture) {
    zone.firstValue = ip.arg(6);
    zone.secondValue = ip.arg(7);
  } else {
    zone.firstValue = ip.arg(7);
    zone.secondValue = ip.arg(6).empty() ? kDefaultTextStyle : ip.arg(6);
  }
  recordZoneIn(s.zones, Surface::Visor, zone);
}

// "090": the facing register and the four after it, which receive the scripts ahead in each
// direction. A facing outside the table, or one whose four followers are, gives no visor.
bool setUpFacings(ScriptInterpreter& ip, VisorState& visor) {
  GameSession& s = ip.session();
  const int64_t r = registerNumber(ip.arg(8));
  if (r < 0 || r > s.RegCount || !s.registers.has(r) || !s.registers.has(r + kFacings)) {
    ip.Trace += kRegisterOutOfRange;
    return false;
  }
  visor.facingRegister = static_cast<int>(r);
  if (s.registers.at(r).empty()) s.registers.set(r, "0");
  const int64_t facing = toIntOr(s.registers.at(r), 0);
  visor.offsetX = boundedCoordinate(facing * (visor.strip.width() / kFacings));
  visor.offsetY = 0;
  const std::array<GameSession::Exit, kFacings> ahead{GameSession::North, GameSession::East, GameSession::South,
                                                      GameSession::West};
  for (int d = 0; d < kFacings; ++d) {
    const std::string& exit = s.exits[ahead[static_cast<size_t>(d)]];
    s.registers.set(r + d + 1, exit.empty() ? std::string("0") : exit);
  }
  return true;
}

void defineView(ScriptInterpreter& ip, const std::string& mode) {
  // slots 2..5 = view x, y, width, height; 6 = strip picture; 7 = overlay picture;
  // 8 = frames ("090": the facing register); 9 = speed (a "000" frame lasts speed x 15 ms)
  GameSession& s = ip.session();
  Screen& screen = ip.context().screen();
  const Rectangle r = readRectangle(ip);
  const int frames = toIntOr(ip.arg(8), 0);
  const int speed = toIntOr(ip.arg(9), 0);
  if (ip.Trace.on()) ip.Trace += "," + ip.arg(6) + "," + ip.arg(7) + "," + std::to_string(frames) + "," + std::to_string(speed);

  // A view with no strip would paint an empty rectangle over the scene at every move: none is made.
  QImage strip;
  if (!gameFileExists(s, ip.arg(6)) || !loadGamePicture(s, ip.arg(6), strip)) {
    ip.Trace += kMissingStrip;
    return;
  }
  if (!ip.arg(7).empty()) {
    if (gameFileExists(s, ip.arg(7)) && loadGamePicture(s, ip.arg(7), s.hud.picture))
      s.hud.loaded = true;
    else
      ip.Trace += kMissingStrip;
  }

  VisorState visor;
  visor.mode = mode;
  visor.x = r.x;
  visor.y = r.y;
  visor.width = r.width;
  visor.height = r.height;
  visor.strip = std::move(strip);
  visor.frames = frames;
  visor.speed = speed;
  if (mode == "090" && !setUpFacings(ip, visor)) return;
  if (mode == "180") {
    visor.offsetX = (visor.strip.width() - visor.width) / 2;
    visor.offsetY = (visor.strip.height() - visor.height) / 2;
  }
  visor.savedOffsetX = visor.offsetX;
  visor.defined = true;
  s.visor = std::move(visor);

  if (mode == "000" && speed >= 1) {
    QTimer& timer = visorTimer(screen);
    timer.setInterval(static_cast<int>(std::min<int64_t>(int64_t{speed} * 15, INT32_MAX)));
    timer.start();
  }
  if (s.Modelo == ScreenModel::ScrollPage) screen.scrollPicture()->style = screen.pageImage()->style;
}

}  // namespace

Flow cmdVisor(ScriptInterpreter& ip) {
  // slot 1 = sub-command: an element ("fig", "img", "txt", "lnk") or a view ("000", "090", "180", "360")
  const std::string& k = ip.arg(1);
  ip.Trace += k;
  if (isElementKind(k))
    defineElement(ip, k);
  else if (isViewMode(k))
    defineView(ip, k);
  else
    ip.Trace += kNoSuchSubCommand;
  return Flow::Done;
}

}  // namespace taluvin
