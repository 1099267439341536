// F11 and Alt+Enter switch the main window between its scale and the whole screen.
#include "app/player/fullscreen.h"

#include "app/player/player.h"
#include "app/player_language.h"
#include "base/text.h"
#include "interact/key_router.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/stage_fit.h"

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>
#include <iostream>
#include <set>

namespace taluvin {

namespace {

constexpr const char* kEnteredNotice =
    QT_TRANSLATE_NOOP("Notices", "full screen (F11 or Alt+Enter: back to the window)");
constexpr const char* kLeftNotice = QT_TRANSLATE_NOOP("Notices", "window (F11 or Alt+Enter: full screen)");
constexpr const char* kMonitorNotice = QT_TRANSLATE_NOOP("Notices", "the monitor already fills the screen");

// Shown only, never traced: the player's language; the screen takes Windows-1252 text.
void notify(Player& player, const char* notice) {
  player.tellPlayer(utf8ToCp1252(playerTextUtf8("Notices", notice)));
}

StageFit* stageFitOf(Player& player) { return player.mainWindow().findChild<StageFit*>(); }

std::string ownFolder() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : program.parent_path().string() + "/";
}

}  // namespace

RememberedDisplay rememberedDisplay(const Options& options, const std::string& programFolder) {
  RememberedDisplay remembered;
  if (options.headless) return remembered;
  remembered.file = displaySettingsFile(programFolder.empty() ? ownFolder() : programFolder);
  ReadDisplaySettings read = loadDisplaySettings(remembered.file);
  if (!read.problem.empty()) std::cerr << "taluvin: " << read.problem << '\n';
  remembered.settings = read.settings;
  return remembered;
}

double startingWindowFactor() {
  bool read = false;
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&read);
  return read && factor > 0 ? factor : 1.0;
}

void installFullscreen(Player& player, double windowedFactor) {
  new StageFit(player.mainWindow(), windowedFactor);
  // The keys are the player's, not the game's: neither their press nor their release reaches the
  // game's key handling (no Enter typed into the command line, no held key for "inkey"); a held key
  // does not make the screen flicker between the two.
  for (const QKeyCombination keys : {QKeyCombination(Qt::Key_F11), Qt::ALT | Qt::Key_Return, Qt::ALT | Qt::Key_Enter})
    player.keyRouter().addShortcut({.keys = keys, .action = [&player] { toggleFullscreen(player); }});
}

void showMainWindow(Player& player, const Options& options, const RememberedDisplay& remembered) {
  const bool fullscreen = options.fullscreen || (!options.scaleGiven && remembered.settings.fullscreen);
  player.show();
  // The window system takes a window full screen only once it has it: the window shows first.
  if (StageFit* fit = stageFitOf(player); fullscreen && fit) fit->enter();
}

bool isFullscreen(Player& player) {
  const StageFit* fit = stageFitOf(player);
  return fit && fit->fullscreen();
}

void toggleFullscreen(Player& player) {
  StageFit* fit = stageFitOf(player);
  if (!fit) return;
  // Model "4" shows its own window over the whole screen; the main window is not what is seen.
  if (const MonitorWindow* monitor = player.madeMonitor(); monitor && monitor->isVisible()) {
    notify(player, kMonitorNotice);
    return;
  }
  if (fit->fullscreen()) {
    fit->leave();
    notify(player, kLeftNotice);
  } else {
    fit->enter();
    notify(player, kEnteredNotice);
  }
}

void rememberDisplay(Player& player, const Options& options, const RememberedDisplay& remembered) {
  if (remembered.file.empty()) return;
  PlayerDisplaySettings settings;
  settings.scale = options.scaleGiven ? options.scale : remembered.settings.scale;
  settings.fullscreen = isFullscreen(player);
  if (settings != remembered.settings) saveDisplaySettings(remembered.file, settings);
}

}  // namespace taluvin
