// The player's menu on F10: what each of its lines does, from continuing to quitting.
#pragma once

namespace taluvin {

class Player;

// Opens the menu over the window the player sees (the monitor window in model "4"). While it is
// open every key is the menu's and no run starts. Not while a script runs.
void openPlayerMenu(Player& player);

// F10 opens the menu; F10 or Escape closes it.
void connectPlayerMenu(Player& player);

}  // namespace taluvin
