// SDL_mixer, and SDL beneath it, loaded the first time a sound needs them.
#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace taluvin {

// The entries of SDL_mixer and SDL the player calls. Linking the library would load it, SDL and
// some fifty codec and sound-server libraries at every start, which costs more than the rest of a
// start that plays nothing; opened on first use, a game that never sounds never pays for them.
struct MixerLibrary {
  decltype(&::SDL_InitSubSystem) InitSubSystem;
  decltype(&::SDL_QuitSubSystem) QuitSubSystem;
  decltype(&::SDL_GetError) GetError;
  decltype(&::SDL_GetMemoryFunctions) GetMemoryFunctions;
  decltype(&::SDL_SetMemoryFunctions) SetMemoryFunctions;
  decltype(&::Mix_OpenAudio) OpenAudio;
  decltype(&::Mix_CloseAudio) CloseAudio;
  decltype(&::Mix_AllocateChannels) AllocateChannels;
  decltype(&::SDL_RWFromFile) RWFromFile;
  decltype(&::SDL_RWclose) RWclose;
  decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
  decltype(&::Mix_FreeChunk) FreeChunk;
  decltype(&::Mix_PlayChannel) PlayChannel;
  decltype(&::Mix_HaltChannel) HaltChannel;
  decltype(&::Mix_Playing) Playing;
  decltype(&::Mix_GetChunk) GetChunk;
  decltype(&::Mix_Volume) Volume;
  decltype(&::Mix_LoadMUS) LoadMUS;
  decltype(&::Mix_FreeMusic) FreeMusic;
  decltype(&::Mix_PlayMusic) PlayMusic;
  decltype(&::Mix_HaltMusic) HaltMusic;
  decltype(&::Mix_VolumeMusic) VolumeMusic;
  decltype(&::Mix_SetSoundFonts) SetSoundFonts;
};

// The library, loaded on the first call; null when it cannot be loaded, which one line on
// standard error says once. The library stays loaded until the process ends, since its audio
// thread may still be mixing silence then.
const MixerLibrary* mixerLibrary();

}  // namespace taluvin
