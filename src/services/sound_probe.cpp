// Opening sound files with the same SDL_mixer loaders as play, then letting them go.
#include "services/sound_probe.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace taluvin {

namespace {

// The mixer must be open for chunks to load; the first probe opens it and it stays open for the
// rest of the process, which only probes.
bool mixerOpen() {
  static const bool open = [] {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    return true;
  }();
  return open;
}

}  // namespace

std::string soundFileProblem(const std::string& path, SoundUse use) {
  if (!mixerOpen()) return {};
  if (use == SoundUse::Effect) {
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return Mix_GetError();
    Mix_FreeChunk(chunk);
    return {};
  }
  Mix_Music* music = Mix_LoadMUS(path.c_str());
  if (!music) return Mix_GetError();
  Mix_FreeMusic(music);
  return {};
}

}  // namespace taluvin
