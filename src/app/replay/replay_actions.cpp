// The actions a replay file can name, each going through the handler a real event would reach.
#include "present/main_window.h"
#include "app/player/player.h"
#include "app/replay/replay.h"
#include "app/replay/replay_debug.h"
#include "app/replay/replay_keys.h"
#include "app/replay/replay_links.h"
#include "app/replay/replay_pointer.h"
#include "base/numbers.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <limits>

namespace taluvin {

namespace {

std::string checkMilliseconds(const ReplayStep& s) {
  auto ms = parseInt(s.args[0]);
  return ms && *ms >= 0 ? std::string() : "'" + s.args[0] + "' is not a number of milliseconds";
}

std::string checkPng(const ReplayStep& s) {
  const auto& f = s.args[0];
  return f.size() > 4 && f.compare(f.size() - 4, 4, ".png") == 0 ? std::string()
                                                                 : "'" + f + "' is not a .png file name";
}

// A surface as a script drew it: one pixel per design pixel, whatever the window's scale.
QImage designPixels(QWidget* surface) {
  QImage shot(surface->size(), QImage::Format_ARGB32_Premultiplied);
  shot.setDevicePixelRatio(1);
  shot.fill(Qt::transparent);
  surface->render(&shot);
  return shot;
}

// The main window as the player sees it, at the scale it is drawn; a surface at its design size.
ReplayOutcome screenshot(Player& player, const ReplayStep& s) {
  const QString file = QString::fromStdString(s.args[0]);
  bool saved = false;
  if (s.args.size() > 1) {
    QWidget* surface = surfaceNamed(player, s.args[1]);
    if (!surface) return {0, "no surface named '" + s.args[1] + "'"};
    saved = designPixels(surface).save(file, "PNG");
  } else {
    saved = player.mainWindow().grab().save(file, "PNG");
  }
  if (!saved) return {0, "cannot write '" + s.args[0] + "'"};
  return {};
}

}  // namespace

const std::vector<ReplayAction>& replayActions() {
  static const std::vector<ReplayAction> kActions = {
      {"start", 0, 0, nullptr, [](Player& p, const ReplayStep&) { p.startClick(); return ReplayOutcome{}; }},
      {"resume", 0, 0, nullptr, [](Player& p, const ReplayStep&) { p.resume(); return ReplayOutcome{}; }},
      {"wait", 1, 1, checkMilliseconds,
       [](Player&, const ReplayStep& s) { return ReplayOutcome{*parseInt(s.args[0]), {}}; }},
      {"key", 1, 1, checkKey, replayKey},
      {"press-key", 1, 1, checkHeldKey, replayKeyDown},
      {"release-key", 1, 1, checkHeldKey, replayKeyUp},
      // The rest of the line, blanks inside kept, however many words it has.
      {"type", 1, std::numeric_limits<int>::max(), nullptr, replayType},
      // Like "type", the rest of the line: a link's text may hold blanks.
      {"link", 1, std::numeric_limits<int>::max(), nullptr, replayLink},
      {"screenshot", 1, 2, checkPng, screenshot},
      {"click", 2, 3, checkPointerPosition, replayClick},
      {"press", 2, 3, checkPointerPosition, replayPress},
      {"release", 2, 3, checkPointerPosition, replayRelease},
      {"move", 2, 3, checkPointerPosition, replayMove},
      {"dblclick", 2, 3, checkPointerPosition, replayDoubleClick},
      {"wheel", 1, 2, checkWheelSteps, replayWheel},
      {"step", 0, 0, nullptr, replayStep},
      {"continue", 0, 0, nullptr, replayContinue},
      {"stop-run", 0, 0, nullptr, replayStopRun},
      {"quit", 0, 0, nullptr, [](Player& p, const ReplayStep&) { p.requestQuit(); return ReplayOutcome{}; }},
  };
  return kActions;
}

}  // namespace taluvin
