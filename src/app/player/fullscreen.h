// The player's full screen: F11 and Alt+Enter, --fullscreen, and the window remembered per game.
#pragma once

#include "app/options.h"
#include "app/player/player_display_settings.h"

#include <string>

namespace taluvin {

class Player;

// What the player left the game in, read before the application exists (the scale must be handed
// to Qt before then). Nothing is read under --headless, whose window is always the same.
struct RememberedDisplay {
  std::string file;  // empty: nothing is remembered
  PlayerDisplaySettings settings;
};
// programFolder empty: the program's own folder. A damaged file is said in one line on standard
// error and the rest of it is used.
RememberedDisplay rememberedDisplay(const Options& options, const std::string& programFolder);

// Qt's factor for the windows as the application was created with it; read before the variable
// that carried it is removed.
double startingWindowFactor();

// Watches every key the program receives for F11 and Alt+Enter. windowedFactor is the factor the
// window goes back to when it leaves full screen.
void installFullscreen(Player& player, double windowedFactor);

// Shows the main window for the first time: full screen when the command line says so, or, when
// it gives neither --fullscreen nor --scale, when the game was left full screen.
void showMainWindow(Player& player, const Options& options, const RememberedDisplay& remembered);

// F11 and Alt+Enter: full screen and back, said over the window.
void toggleFullscreen(Player& player);
bool isFullscreen(Player& player);

// At exit: the scale the command line gave (else the one remembered) and whether the game is left
// full screen, kept for its next start.
void rememberDisplay(Player& player, const Options& options, const RememberedDisplay& remembered);

}  // namespace taluvin
