// What a save slot keeps of the screen, so a restored game looks as it did when it was saved.
#pragma once

#include "state/save_slots.h"

#include <vector>

namespace taluvin {

class Player;

// The pictures of the surfaces a place's script may leave as an earlier run drew them: the picture
// screen's and the command panel's buffers (an inventory panel drawn by another room) and the frame
// picture.
std::vector<SlotExtra> screenToKeep(Player& player);

// Puts those pictures back after the game has opened and before the place's script runs, which draws
// over them what it draws as it always does; a slot without them (or with damaged ones) leaves the
// surfaces as opening the game laid them out.
void putScreenBack(Player& player, const SlotRestore& restored);

}  // namespace taluvin
