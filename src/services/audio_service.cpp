// SDL_mixer-backed effects and music, and the fallback to silence when no device opens.
#include "services/audio_service.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace taluvin {

namespace {

constexpr int kEffectChannel = 0;
constexpr int kMaxScriptVolume = 1000;
constexpr Uint32 kWaitSliceMs = 10;

}  // namespace

static_assert(MIX_MAX_VOLUME == 128, "the default music volume assumes SDL_mixer's range");

AudioService::~AudioService() { stop(); }

// A game that restarts its audio should not repeat the complaint.
void AudioService::reportSilenceOnce(const char* reason) {
  if (silenceReported_) return;
  silenceReported_ = true;
  std::fprintf(stderr, "taluvin: no audio device, running silently: %s\n", reason);
}

bool AudioService::start() {
  if (deviceOpen_) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    reportSilenceOnce(SDL_GetError());
    return false;
  }
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    reportSilenceOnce(Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  deviceOpen_ = true;
  return true;
}

void AudioService::playEffect(const std::string& path) {
  if (!deviceOpen_) return;
  stopEffect();
  effect_ = Mix_LoadWAV(path.c_str());
  if (!effect_) return;
  if (Mix_PlayChannel(kEffectChannel, effect_, 0) < 0) stopEffect();
}

void AudioService::playEffectAndWait(const std::string& path, const std::function<void()>& letEventsRun,
                                     const std::function<bool()>& stopWaiting) {
  playEffect(path);
  Mix_Chunk* const waitingFor = effect_;
  if (!waitingFor) return;
  // Events may start another effect or stop everything; either ends this wait.
  while (deviceOpen_ && effect_ == waitingFor && Mix_Playing(kEffectChannel)) {
    if (letEventsRun) letEventsRun();
    if (stopWaiting && stopWaiting()) return;
    SDL_Delay(kWaitSliceMs);
  }
}

void AudioService::stopEffect() {
  if (!effect_) return;
  Mix_HaltChannel(kEffectChannel);
  Mix_FreeChunk(effect_);
  effect_ = nullptr;
}

bool AudioService::playMusic(const std::string& path) {
  if (!deviceOpen_) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
  }
  stopMusic();
  music_ = Mix_LoadMUS(path.c_str());
  if (!music_) return false;
  // Each track opens at full volume: a level belongs to the track it was set for.
  mixerMusicVolume_ = MIX_MAX_VOLUME;
  Mix_VolumeMusic(mixerMusicVolume_);
  if (Mix_PlayMusic(music_, 1) != 0) {
    stopMusic();
    return false;
  }
  return true;
}

void AudioService::stopMusic() {
  if (!music_) return;
  Mix_HaltMusic();
  Mix_FreeMusic(music_);
  music_ = nullptr;
}

void AudioService::setMusicVolume(int volume) {
  // With no track open there is nothing to set; the next track must not inherit it.
  if (!music_) return;
  const int scriptVolume = std::clamp(volume, 0, kMaxScriptVolume);
  mixerMusicVolume_ = (scriptVolume * MIX_MAX_VOLUME + kMaxScriptVolume / 2) / kMaxScriptVolume;
  if (deviceOpen_) Mix_VolumeMusic(mixerMusicVolume_);
}

void AudioService::stop() {
  if (!deviceOpen_) return;
  stopEffect();
  stopMusic();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  deviceOpen_ = false;
}

}  // namespace taluvin
