// Sound effects and music through SDL_mixer; without an audio device the game simply runs silently.
#pragma once

#include "script/game_audio.h"
#include "services/player_volume.h"
#include "services/sound_cache.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// SDL_mixer's own handle types, declared here so SDL's headers stay out of every includer.
struct Mix_Chunk;
struct _Mix_Music;

namespace taluvin {

struct MixerLibrary;

// One effect at a time plays on one channel, next to one piece of music. Paths are native.
// Every call is safe without a device, before start() and after stop(): it then does nothing.
class AudioService : public GameAudio {
 public:
  AudioService();
  ~AudioService() override;
  AudioService(const AudioService&) = delete;
  AudioService& operator=(const AudioService&) = delete;

  // Opens the audio device. Returns whether sound will be heard; false is not an error, and only
  // the first failure is reported on standard error.
  bool start();
  // Leaves the device, and the sound library, to the first effect or music that is asked for: a
  // game that never sounds never opens them.
  void startOnFirstSound();
  // Whether the device is open now.
  bool hasDevice() const { return deviceOpen_; }

  // GameAudio
  void playEffect(const std::string& path) override;
  bool playEffectIfLoadable(const std::string& path) override;
  void playEffectAndWait(const std::string& path, const std::function<void()>& letEventsRun,
                         const std::function<bool()>& stopWaiting = {}) override;
  void stopEffect() override;
  // The decoded effects kept for the next press.
  const SoundCache& effectCache() const { return effects_; }

  // MIDI is played through a General MIDI soundfont (see setSoundFontFolders). Without a device,
  // a file that exists counts as played.
  bool playMusic(const std::string& path) override;
  void stopMusic();
  // Sets the volume of the open track (one that has ended stays open until the next); without
  // one it does nothing.
  void setMusicVolume(int volume) override;
  // The game's level for the open track, 0..MIX_MAX_VOLUME, before the player's own volume.
  int musicVolume() const { return gameMusicVolume_; }

  // The player's volume scales the game's levels of music and effects alike.
  void setPlayerVolume(const PlayerVolume& volume);
  const PlayerVolume& playerVolume() const { return playerVolume_; }

  // Folders searched for a soundfont the first time music is played, unless SDL_SOUNDFONTS names
  // one; the standard folders by default. When none holds one, the first MIDI track says so once
  // on standard error.
  void setSoundFontFolders(std::vector<std::string> folders);
  // The soundfont chosen; empty before the first music, or when none was found.
  const std::string& soundFont() const { return soundFont_; }

  // Stops all sound and closes the device; start() may open it again.
  void stop();
  // At the very end of the program: stops all sound but leaves the device to the process's end,
  // since closing it waits on the audio thread for a whole buffer or more.
  void stopForExit();

 private:
  void reportSilenceOnce(const char* reason);
  bool deviceReady();
  void chooseSoundFont();
  void applyVolumes();

  const MixerLibrary* mix_ = nullptr;  // set once the device is open
  bool deviceOpen_ = false;
  bool openOnFirstSound_ = false;
  bool silenceReported_ = false;
  bool soundFontChosen_ = false;
  bool noSoundFontReported_ = false;
  SoundCache effects_;
  Mix_Chunk* effect_ = nullptr;
  // Counts effects started, so a wait ends when another starts even if it is the same sound.
  std::uint64_t effectsStarted_ = 0;
  _Mix_Music* music_ = nullptr;
  int gameMusicVolume_ = 128;
  PlayerVolume playerVolume_;
  std::vector<std::string> soundFontFolders_;
  std::string soundFont_;
};

}  // namespace taluvin
