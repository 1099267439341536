// The player's volume keys: Ctrl+Up louder, Ctrl+Down softer, Ctrl+M mute, remembered for next time.
#pragma once

namespace taluvin {

class AudioService;
class CommandContext;

// Applies the remembered volume to the audio and watches every key the program receives for the
// volume keys. The keys are the player's, not the game's: neither their press nor their release
// reaches the game's key handling (no walk north on Ctrl+Up, no held key for "inkey"). Installed
// after the game's own key watchers, so it sees a key before them.
void connectVolumeKeys(CommandContext& context, AudioService& audio);

}  // namespace taluvin
