// Saving to the next slot and restoring one: what Ctrl+S, the slot list and --load-save ask of the player.
#pragma once

#include <string>

namespace taluvin {

class KeyRouter;
class Player;

// Saves the open game into its next slot with a picture of the window, and says how it went on the
// message strip (the console in model "0") and in the trace. Never while a script runs.
void saveGameToNextSlot(Player& player);

// Restores the slot named by ref (a number, or a slot folder's path) and reopens the game at its place
// as resume does; says how it went. False, with nothing written, when the slot is refused or a
// script runs.
bool restoreGameFromSlot(Player& player, const std::string& ref);

// Opens the list of the game's slots over the main window.
void openSaveSlotList(Player& player);

// Registers Ctrl+S, which saves to the next slot, and Ctrl+L, which opens the list of slots, from
// whichever control has the keyboard. Called once the windows exist.
void connectSaveSlotKeys(Player& player, KeyRouter& router);

}  // namespace taluvin
