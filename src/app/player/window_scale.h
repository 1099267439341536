// The factor the whole program is drawn at, chosen and handed to Qt before the application exists.
#pragma once

#include "app/options.h"

#include <optional>

namespace taluvin {

// The window's size in the pixels games see.
inline constexpr int kDesignWidth = 900;
inline constexpr int kDesignHeight = 420;

// The largest of 1, 1.5, 2, 2.5 ... at which the window fits within 90% of a screen of that size;
// 1 when even the design size does not.
double fittingScale(int screenWidth, int screenHeight);

// The size of the primary screen in Qt's own pixels, asked of the window system by a short-lived
// child process; nothing when no screen answers in time.
std::optional<std::pair<int, int>> probeScreenSize(int argc, char* argv[]);

// --scale turned into Qt's scale factor for every window of the program. Qt then lays out and
// reports every widget, event and zone in design pixels and draws them at the factor. Must run
// before the QApplication is created. False when the factor was left to the environment.
// remembered is the scale the player last chose for this game (0: auto), used when the command
// line gives none.
bool applyWindowScale(const Options& options, double remembered, int argc, char* argv[]);

}  // namespace taluvin
