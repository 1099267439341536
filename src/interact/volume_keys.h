// The player's volume keys: Ctrl+Up louder, Ctrl+Down softer, Ctrl+M mute, remembered for next time.
#pragma once

namespace taluvin {

class CommandContext;

// Applies the remembered volume and watches every key the program receives for the volume keys.
// The keys are the player's, not the game's: neither their press nor their release reaches the
// game's key handling (no walk north on Ctrl+Up, no held key for "inkey").
void connectVolumeKeys(CommandContext& context);

}  // namespace taluvin
