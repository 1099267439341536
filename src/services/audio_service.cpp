// SDL_mixer-backed effects and music, and the fallback to silence when no device opens.
#include "services/audio_service.h"

#include "services/sound_font.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace taluvin {

namespace {

constexpr int kEffectChannel = 0;
constexpr int kMaxScriptVolume = 1000;
constexpr Uint32 kWaitSliceMs = 10;
// A few dozen seconds of effects in the device's format: every click and key sound of a game,
// with room for its longer effects.
constexpr size_t kEffectCacheBytes = 16u << 20;

int scaled(int level, double factor) { return static_cast<int>(std::lround(level * factor)); }

}  // namespace

static_assert(MIX_MAX_VOLUME == 128, "the default music volume assumes SDL_mixer's range");

AudioService::AudioService() : effects_(kEffectCacheBytes), soundFontFolders_(standardSoundFontFolders()) {}

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
  applyVolumes();
  return true;
}

bool AudioService::playEffectIfLoadable(const std::string& path) {
  if (!deviceOpen_) return false;
  Mix_Chunk* chunk = effects_.chunk(path);
  if (!chunk) return false;
  ++effectsStarted_;
  effect_ = chunk;
  if (Mix_PlayChannel(kEffectChannel, chunk, 0) < 0) {
    effect_ = nullptr;
    return false;
  }
  return true;
}

void AudioService::playEffect(const std::string& path) {
  if (!deviceOpen_) return;
  if (!playEffectIfLoadable(path)) stopEffect();
}

void AudioService::playEffectAndWait(const std::string& path, const std::function<void()>& letEventsRun,
                                     const std::function<bool()>& stopWaiting) {
  if (!playEffectIfLoadable(path)) {
    stopEffect();
    return;
  }
  const std::uint64_t waitingFor = effectsStarted_;
  // Events may start another effect or stop everything; either ends this wait.
  while (deviceOpen_ && effectsStarted_ == waitingFor && effect_ && Mix_Playing(kEffectChannel)) {
    if (letEventsRun) letEventsRun();
    if (stopWaiting && stopWaiting()) return;
    SDL_Delay(kWaitSliceMs);
  }
}

void AudioService::stopEffect() {
  if (!effect_) return;
  // The chunk stays in the cache for the next time it is asked for.
  Mix_HaltChannel(kEffectChannel);
  effect_ = nullptr;
}

void AudioService::setSoundFontFolders(std::vector<std::string> folders) {
  soundFontFolders_ = std::move(folders);
  soundFontChosen_ = false;
  soundFont_.clear();
}

// Chosen when music is first played, so a game without music never pays for the search.
void AudioService::chooseSoundFont() {
  if (soundFontChosen_) return;
  soundFontChosen_ = true;
  // A soundfont the player names in the environment is theirs to choose.
  if (const char* named = std::getenv("SDL_SOUNDFONTS"); named && *named) {
    soundFont_ = named;
    return;
  }
  soundFont_ = findSoundFont(soundFontFolders_);
  Mix_SetSoundFonts(soundFont_.empty() ? nullptr : soundFont_.c_str());
}

bool AudioService::playMusic(const std::string& path) {
  if (!deviceOpen_) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
  }
  stopMusic();
  chooseSoundFont();
  if (soundFont_.empty() && isMidiFile(path) && !noSoundFontReported_) {
    noSoundFontReported_ = true;
    std::string looked;
    for (const std::string& folder : soundFontFolders_) looked += (looked.empty() ? "" : ", ") + folder;
    std::fprintf(stderr, "taluvin: no General MIDI soundfont found (looked in %s); MIDI music may stay silent\n",
                 looked.c_str());
  }
  music_ = Mix_LoadMUS(path.c_str());
  if (!music_) return false;
  // Each track opens at full volume: a level belongs to the track it was set for.
  gameMusicVolume_ = MIX_MAX_VOLUME;
  applyVolumes();
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
  gameMusicVolume_ = (scriptVolume * MIX_MAX_VOLUME + kMaxScriptVolume / 2) / kMaxScriptVolume;
  applyVolumes();
}

void AudioService::setPlayerVolume(const PlayerVolume& volume) {
  playerVolume_ = volume;
  applyVolumes();
}

void AudioService::applyVolumes() {
  if (!deviceOpen_) return;
  const double factor = playerVolume_.factor();
  Mix_Volume(-1, scaled(MIX_MAX_VOLUME, factor));
  Mix_VolumeMusic(scaled(gameMusicVolume_, factor));
}

void AudioService::stop() {
  if (!deviceOpen_) return;
  stopEffect();
  stopMusic();
  effects_.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  deviceOpen_ = false;
}

void AudioService::stopForExit() {
  if (!deviceOpen_) return;
  stopEffect();
  stopMusic();
  // With nothing left playing, the audio thread only mixes silence until the process ends; freeing
  // a chunk takes the mixer's lock, so none is freed under the thread's feet.
  effects_.clear();
  deviceOpen_ = false;
}

}  // namespace taluvin
