// The player's own volume and mute, kept in the user's config folder and never in a game's files.
#pragma once

#include <string>

namespace taluvin {

// A level in tenths of the game's own loudness, over music and effects alike; muted keeps the
// level for when the sound comes back.
struct PlayerVolume {
  static constexpr int kSteps = 10;
  int level = kSteps;
  bool muted = false;

  // 0..1: what the game's own levels are multiplied by.
  double factor() const { return muted ? 0.0 : static_cast<double>(level) / kSteps; }
  // One step louder or softer; either brings muted sound back.
  PlayerVolume stepped(int steps) const;
  bool operator==(const PlayerVolume&) const = default;
};

// Lines "volume=N" (0..10) and "mute=0|1"; anything else in the text is ignored and a value that
// does not read keeps its default, so a damaged file never silences the player.
PlayerVolume parsePlayerVolume(const std::string& text);
std::string formatPlayerVolume(const PlayerVolume& volume);

// "$XDG_CONFIG_HOME/taluvin", or "$HOME/.config/taluvin" when that is not set (or not an absolute
// path); empty when neither can be had. Every setting of the player's own is kept under it.
std::string playerConfigFolder();

// "$XDG_CONFIG_HOME/taluvin/audio.ini", or under "$HOME/.config" when that is not set (or not an
// absolute path); empty when neither can be had, and the volume is then not remembered.
std::string playerVolumeFile();

// Reading a missing or unreadable file gives the defaults.
PlayerVolume loadPlayerVolume(const std::string& file);
// Creates the folder and hands the file to the state writer, which replaces it whole off the key
// press; a failure is said on standard error. An empty file name remembers nothing.
void savePlayerVolume(const std::string& file, const PlayerVolume& volume);

}  // namespace taluvin
