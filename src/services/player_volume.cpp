// Reading, writing and stepping the player's volume setting.
#include "services/player_volume.h"

#include "state/player_file.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace taluvin {

namespace {

constexpr std::string_view kVolumeKey = "volume=";
constexpr std::string_view kMuteKey = "mute=";
// Far more than the two lines need: a file grown by mistake is not read whole.

bool readNumber(std::string_view text, int low, int high, int& value) {
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
  int read = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
  if (error != std::errc() || end != text.data() + text.size() || read < low || read > high) return false;
  value = read;
  return true;
}

}  // namespace

PlayerVolume PlayerVolume::stepped(int steps) const {
  PlayerVolume next = *this;
  next.level = std::clamp(level + steps, 0, kSteps);
  next.muted = false;
  return next;
}

PlayerVolume parsePlayerVolume(const std::string& text) {
  PlayerVolume volume;
  std::string_view rest(text);
  while (!rest.empty()) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    int value = 0;
    if (line.starts_with(kVolumeKey)) {
      if (readNumber(line.substr(kVolumeKey.size()), 0, PlayerVolume::kSteps, value)) volume.level = value;
    } else if (line.starts_with(kMuteKey)) {
      if (readNumber(line.substr(kMuteKey.size()), 0, 1, value)) volume.muted = value == 1;
    }
  }
  return volume;
}

std::string formatPlayerVolume(const PlayerVolume& volume) {
  return std::string(kVolumeKey) + std::to_string(volume.level) + '\n' + std::string(kMuteKey) +
         (volume.muted ? "1" : "0") + '\n';
}

std::string playerConfigFolder() {
  // Relative paths in these variables are to be ignored: they would lead somewhere by accident.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
    return std::string(config) + "/taluvin";
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.config/taluvin";
  return {};
}

std::string playerVolumeFile() {
  const std::string folder = playerConfigFolder();
  return folder.empty() ? folder : folder + "/audio.ini";
}

PlayerVolume loadPlayerVolume(const std::string& file) {
  const auto text = readPlayerFile(file);
  return text ? parsePlayerVolume(*text) : PlayerVolume();
}

void savePlayerVolume(const std::string& file, const PlayerVolume& volume) { keepPlayerFile(file, formatPlayerVolume(volume)); }

}  // namespace taluvin
