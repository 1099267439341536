// SDL_mixer-backed effects and music, and the fallback to silence when no device opens.
#include "services/audio_service.h"

#include "services/mixer_library.h"
#include "services/sound_font.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace taluvin {

namespace {

constexpr int kEffectChannel = 0;
constexpr int kMaxScriptVolume = 1000;
constexpr std::chrono::milliseconds kWaitSlice{10};
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
  openOnFirstSound_ = false;
  // A library that cannot be loaded has said so itself; silence needs no second line.
  const MixerLibrary* mix = mixerLibrary();
  if (!mix) return false;
  if (mix->InitSubSystem(SDL_INIT_AUDIO) != 0) {
    reportSilenceOnce(mix->GetError());
    return false;
  }
  if (mix->OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    reportSilenceOnce(mix->GetError());
    mix->QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  mix_ = mix;
  deviceOpen_ = true;
  applyVolumes();
  return true;
}

void AudioService::startOnFirstSound() {
  if (!deviceOpen_) openOnFirstSound_ = true;
}

// Tried once: a device that would not open is not asked again at every sound.
bool AudioService::deviceReady() {
  if (!deviceOpen_ && openOnFirstSound_) start();
  return deviceOpen_;
}

bool AudioService::playEffectIfLoadable(const std::string& path) {
  if (!deviceReady()) return false;
  Mix_Chunk* chunk = effects_.chunk(path);
  if (!chunk) return false;
  ++effectsStarted_;
  effect_ = chunk;
  if (mix_->PlayChannel(kEffectChannel, chunk, 0) < 0) {
    effect_ = nullptr;
    return false;
  }
  return true;
}

void AudioService::playEffect(const std::string& path) {
  if (!deviceReady()) return;
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
  while (deviceOpen_ && effectsStarted_ == waitingFor && effect_ && mix_->Playing(kEffectChannel)) {
    if (letEventsRun) letEventsRun();
    if (stopWaiting && stopWaiting()) return;
    std::this_thread::sleep_for(kWaitSlice);
  }
}

void AudioService::stopEffect() {
  if (!effect_) return;
  // The chunk stays in the cache for the next time it is asked for.
  mix_->HaltChannel(kEffectChannel);
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
  mix_->SetSoundFonts(soundFont_.empty() ? nullptr : soundFont_.c_str());
}

bool AudioService::playMusic(const std::string& path) {
  if (!deviceReady()) {
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
  music_ = mix_->LoadMUS(path.c_str());
  if (!music_) return false;
  // Each track opens at full volume: a level belongs to the track it was set for.
  gameMusicVolume_ = MIX_MAX_VOLUME;
  applyVolumes();
  if (mix_->PlayMusic(music_, 1) != 0) {
    stopMusic();
    return false;
  }
  return true;
}

void AudioService::stopMusic() {
  if (!music_) return;
  mix_->HaltMusic();
  mix_->FreeMusic(music_);
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
  mix_->Volume(-1, scaled(MIX_MAX_VOLUME, factor));
  mix_->VolumeMusic(scaled(gameMusicVolume_, factor));
}

void AudioService::stop() {
  openOnFirstSound_ = false;
  if (!deviceOpen_) return;
  stopEffect();
  stopMusic();
  effects_.clear();
  mix_->CloseAudio();
  mix_->QuitSubSystem(SDL_INIT_AUDIO);
  deviceOpen_ = false;
}

void AudioService::stopForExit() {
  openOnFirstSound_ = false;
  if (!deviceOpen_) return;
  stopEffect();
  stopMusic();
  // With nothing left playing, the audio thread only mixes silence until the process ends; freeing
  // a chunk takes the mixer's lock, so none is freed under the thread's feet.
  effects_.clear();
  deviceOpen_ = false;
}

}  // namespace taluvin
