// Opening sound files with the same SDL_mixer loaders as play, then letting them go.
#include "services/sound_probe.h"

#include "services/effect_limits.h"
#include "services/mixer_library.h"

namespace taluvin {

namespace {

// The mixer must be open for chunks to load; the first probe opens it and it stays open for the
// rest of the process, which only probes. Null when it cannot be opened.
const MixerLibrary* openMixer() {
  static const MixerLibrary* const open = []() -> const MixerLibrary* {
    const MixerLibrary* mix = mixerLibrary();
    if (!mix || mix->InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    if (mix->OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
      mix->QuitSubSystem(SDL_INIT_AUDIO);
      return nullptr;
    }
    return mix;
  }();
  return open;
}

}  // namespace

std::string soundFileProblem(const std::string& path, SoundUse use) {
  const MixerLibrary* mix = openMixer();
  if (!mix) return {};
  if (use == SoundUse::Effect) {
    std::string problem;
    Mix_Chunk* chunk = loadBoundedEffect(*mix, path, &problem);
    if (!chunk) return problem;
    mix->FreeChunk(chunk);
    return {};
  }
  Mix_Music* music = mix->LoadMUS(path.c_str());
  if (!music) return mix->GetError();
  mix->FreeMusic(music);
  return {};
}

}  // namespace taluvin
