// Sound effects and music through SDL_mixer; without an audio device the game simply runs silently.
#pragma once

#include <functional>
#include <string>

// SDL_mixer's own handle types, declared here so SDL's headers stay out of every includer.
struct Mix_Chunk;
struct _Mix_Music;

namespace taluvin {

// One effect at a time plays on one channel, next to one piece of music. Paths are native.
// Every call is safe without a device, before start() and after stop(): it then does nothing.
class AudioService {
 public:
  AudioService() = default;
  ~AudioService();
  AudioService(const AudioService&) = delete;
  AudioService& operator=(const AudioService&) = delete;

  // Opens the audio device. Returns whether sound will be heard; false is not an error, and only
  // the first failure is reported on standard error.
  bool start();
  bool hasDevice() const { return deviceOpen_; }

  // A new effect cuts off the one still playing. Files that cannot be loaded are skipped quietly.
  void playEffect(const std::string& path);
  // Returns when the effect has finished (or was cut off), running letEventsRun meanwhile so the
  // window stays responsive; also as soon as stopWaiting says so (the program is ending).
  void playEffectAndWait(const std::string& path, const std::function<void()>& letEventsRun,
                         const std::function<bool()>& stopWaiting = {});
  void stopEffect();

  // Plays the file once at full volume, replacing any music. Returns false when the file cannot
  // be opened as music; without a device, whether the file exists.
  bool playMusic(const std::string& path);
  void stopMusic();
  // Sets the volume of the open track (one that has ended stays open until the next); without
  // one it does nothing. Script volumes run from 0 to 1000; values outside are clamped.
  void setMusicVolume(int volume);
  // The level handed to the mixer for the open track, 0..MIX_MAX_VOLUME.
  int musicVolume() const { return mixerMusicVolume_; }

  // Stops all sound and closes the device; start() may open it again.
  void stop();

 private:
  void reportSilenceOnce(const char* reason);

  bool deviceOpen_ = false;
  bool silenceReported_ = false;
  Mix_Chunk* effect_ = nullptr;
  _Mix_Music* music_ = nullptr;
  int mixerMusicVolume_ = 128;
};

}  // namespace taluvin
