// The player's volume keys: Ctrl+Up louder, Ctrl+Down softer, Ctrl+M mute, remembered for next time.
#pragma once

namespace taluvin {

class AudioService;
class CommandContext;
class KeyRouter;

// Applies the remembered volume to the audio and registers the volume keys with the router. The keys
// are the player's, not the game's: neither their press nor their release reaches the game's key
// handling (no walk north on Ctrl+Up, no held key for "inkey").
void connectVolumeKeys(KeyRouter& router, CommandContext& context, AudioService& audio);

}  // namespace taluvin
