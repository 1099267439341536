// The player's volume keys: Ctrl+Up louder, Ctrl+Down softer, Ctrl+M mute, remembered for next time.
#pragma once

namespace taluvin {

class AudioService;
struct PlayerVolume;
class CommandContext;
class KeyRouter;

// Applies the remembered volume to the audio and registers the volume keys with the router. The keys
// are the player's, not the game's: neither their press nor their release reaches the game's key
// handling (no walk north on Ctrl+Up, no held key for "inkey").
void connectVolumeKeys(KeyRouter& router, CommandContext& context, AudioService& audio);

// Sets the player's volume, remembers it for next time and says it over the window, as the keys do.
void changePlayerVolume(CommandContext& context, AudioService& audio, const PlayerVolume& volume);

}  // namespace taluvin
