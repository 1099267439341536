// GameAudio: the sound a game's commands and clicks may ask for, whatever plays it.
#pragma once

#include <functional>
#include <string>

namespace taluvin {

// Paths are native, as the resolver gives them. Without a device every call does nothing (a
// music file then counts as played when it exists).
class GameAudio {
 public:
  virtual ~GameAudio() = default;

  // A new effect cuts off the one still playing. Files that cannot be loaded are skipped quietly.
  virtual void playEffect(const std::string& path) = 0;
  // Like playEffect, but a file that cannot be loaded leaves the playing effect alone. Returns
  // whether the file plays.
  virtual bool playEffectIfLoadable(const std::string& path) = 0;
  // Returns when the effect has finished (or was cut off), running letEventsRun meanwhile so the
  // window stays responsive; also as soon as stopWaiting says so (the program is ending).
  virtual void playEffectAndWait(const std::string& path, const std::function<void()>& letEventsRun,
                                 const std::function<bool()>& stopWaiting = {}) = 0;
  virtual void stopEffect() = 0;

  // Plays the file once at the game's full volume, replacing any music; false when it cannot be
  // opened as music.
  virtual bool playMusic(const std::string& path) = 0;
  // The open track's volume, 0 to 1000 as scripts give it; values outside are clamped.
  virtual void setMusicVolume(int volume) = 0;
};

}  // namespace taluvin
