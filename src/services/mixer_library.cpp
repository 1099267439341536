// Loading SDL_mixer by name and resolving the entries the player calls.
#include "services/mixer_library.h"

#include "services/effect_limits.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>

namespace taluvin {

namespace {

// The run-time name, which the library's own package installs; the development package only adds
// the headers and the link name.
constexpr const char* kMixerName = "libSDL2_mixer-2.0.so.0";

template <typename Entry>
bool resolve(void* library, const char* name, Entry& entry, std::string& missing) {
  entry = reinterpret_cast<Entry>(dlsym(library, name));
  if (!entry && missing.empty()) missing = name;
  return entry != nullptr;
}

bool resolveAll(void* library, MixerLibrary& m, std::string& missing) {
  // Every entry is looked up, so the message names the first one missing.
  bool all = true;
  all &= resolve(library, "SDL_InitSubSystem", m.InitSubSystem, missing);
  all &= resolve(library, "SDL_QuitSubSystem", m.QuitSubSystem, missing);
  all &= resolve(library, "SDL_GetError", m.GetError, missing);
  all &= resolve(library, "SDL_GetMemoryFunctions", m.GetMemoryFunctions, missing);
  all &= resolve(library, "SDL_SetMemoryFunctions", m.SetMemoryFunctions, missing);
  all &= resolve(library, "Mix_OpenAudio", m.OpenAudio, missing);
  all &= resolve(library, "Mix_CloseAudio", m.CloseAudio, missing);
  all &= resolve(library, "Mix_AllocateChannels", m.AllocateChannels, missing);
  all &= resolve(library, "SDL_RWFromFile", m.RWFromFile, missing);
  all &= resolve(library, "SDL_RWclose", m.RWclose, missing);
  all &= resolve(library, "Mix_LoadWAV_RW", m.LoadWAV_RW, missing);
  all &= resolve(library, "Mix_FreeChunk", m.FreeChunk, missing);
  all &= resolve(library, "Mix_PlayChannel", m.PlayChannel, missing);
  all &= resolve(library, "Mix_HaltChannel", m.HaltChannel, missing);
  all &= resolve(library, "Mix_Playing", m.Playing, missing);
  all &= resolve(library, "Mix_GetChunk", m.GetChunk, missing);
  all &= resolve(library, "Mix_Volume", m.Volume, missing);
  all &= resolve(library, "Mix_LoadMUS", m.LoadMUS, missing);
  all &= resolve(library, "Mix_FreeMusic", m.FreeMusic, missing);
  all &= resolve(library, "Mix_PlayMusic", m.PlayMusic, missing);
  all &= resolve(library, "Mix_HaltMusic", m.HaltMusic, missing);
  all &= resolve(library, "Mix_VolumeMusic", m.VolumeMusic, missing);
  all &= resolve(library, "Mix_SetSoundFonts", m.SetSoundFonts, missing);
  return all;
}

const MixerLibrary* load() {
  static MixerLibrary library;
  void* handle = dlopen(kMixerName, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    std::fprintf(stderr, "taluvin: cannot load the sound library, running silently: %s\n", dlerror());
    return nullptr;
  }
  std::string missing;
  if (!resolveAll(handle, library, missing)) {
    std::fprintf(stderr, "taluvin: the sound library %s has no %s, running silently\n", kMixerName, missing.c_str());
    return nullptr;
  }
  // SDL would take SIGINT and SIGTERM for itself and only queue a quit event nobody reads; the
  // program handles them, so Ctrl-C and a polite kill end it through its exit steps.
  if (auto setHint = reinterpret_cast<decltype(&::SDL_SetHint)>(dlsym(handle, "SDL_SetHint")))
    setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  boundEffectAllocations(library);
  return &library;
}

}  // namespace

const MixerLibrary* mixerLibrary() {
  static const MixerLibrary* const library = load();
  return library;
}

}  // namespace taluvin
