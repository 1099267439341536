// Reading and writing the player's speech setting.
#include "services/player_speech.h"

#include "state/player_file.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace taluvin {

namespace {

constexpr std::string_view kSpeakKey = "speak=";
// Far more than the line needs: a file grown by mistake is not read whole.

}  // namespace

std::optional<bool> parseSpeechSetting(const std::string& text) {
  std::optional<bool> speak;
  std::string_view rest(text);
  while (!rest.empty()) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (line == "speak=0") speak = false;
    else if (line == "speak=1") speak = true;
  }
  return speak;
}

std::string formatSpeechSetting(bool speak) { return std::string(kSpeakKey) + (speak ? "1" : "0") + '\n'; }

std::string speechSettingFile() {
  // Relative paths in these variables are to be ignored: they would lead somewhere by accident.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
    return std::string(config) + "/taluvin/speech.ini";
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.config/taluvin/speech.ini";
  return {};
}

bool loadSpeechSetting(const std::string& file) {
  const auto text = readPlayerFile(file);
  return text && parseSpeechSetting(*text).value_or(false);
}

void saveSpeechSetting(const std::string& file, bool speak) { keepPlayerFile(file, formatSpeechSetting(speak)); }

}  // namespace taluvin
