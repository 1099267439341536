// Reading and writing the per-game display settings file of the player's own.
#include "app/player/player_display_settings.h"

#include "app/options.h"
#include "services/player_volume.h"
#include "state/player_file.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace taluvin {

namespace {

constexpr std::string_view kScaleKey = "scale=";
constexpr std::string_view kFullscreenKey = "fullscreen=";
constexpr size_t kShownLineBytes = 40;           // of a bad line, what the message quotes

std::string formatScale(double scale) {
  if (scale == 0) return "auto";
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, scale);
  return std::string(text, written.ptr);
}

// A name made only of characters that are safe in a file name on any system.
std::string fileNamePart(const std::string& name) {
  std::string part;
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    part += plain ? c : '_';
    if (part.size() == 40) break;
  }
  return part.empty() ? std::string("game") : part;
}

// FNV-1a: stable across runs and builds, unlike std::hash.
std::uint64_t pathHash(const std::string& path) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : path) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

ReadDisplaySettings parseDisplaySettings(const std::string& text) {
  ReadDisplaySettings read;
  std::string_view rest(text);
  int number = 0;
  while (!rest.empty()) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    ++number;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (line.empty()) continue;
    bool good = false;
    if (line.starts_with(kScaleKey)) {
      good = readScale(line.substr(kScaleKey.size()), read.settings.scale);
    } else if (line.starts_with(kFullscreenKey)) {
      const std::string_view value = line.substr(kFullscreenKey.size());
      good = value == "0" || value == "1";
      if (good) read.settings.fullscreen = value == "1";
    }
    if (!good && read.problem.empty())
      read.problem = "line " + std::to_string(number) + " ('" + std::string(line.substr(0, kShownLineBytes)) +
                     "') is not scale=auto, scale=N (1 to 8) or fullscreen=0|1";
  }
  return read;
}

std::string formatDisplaySettings(const PlayerDisplaySettings& settings) {
  return std::string(kScaleKey) + formatScale(settings.scale) + '\n' + std::string(kFullscreenKey) +
         (settings.fullscreen ? "1" : "0") + '\n';
}

std::string displaySettingsFile(const std::string& gameFolder) {
  const std::string config = playerConfigFolder();
  if (config.empty()) return {};
  std::filesystem::path folder(gameFolder);
  if (!folder.has_filename()) folder = folder.parent_path();
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(pathHash(folder.string())));
  return config + "/games/" + fileNamePart(folder.filename().string()) + "-" + hash + ".ini";
}

ReadDisplaySettings loadDisplaySettings(const std::string& file) {
  const auto text = readPlayerFile(file);
  if (!text) return {};
  ReadDisplaySettings read = parseDisplaySettings(*text);
  if (!read.problem.empty()) read.problem = file + ": " + read.problem + "; the window's defaults are used for it";
  return read;
}

void saveDisplaySettings(const std::string& file, const PlayerDisplaySettings& settings) { keepPlayerFile(file, formatDisplaySettings(settings)); }

}  // namespace taluvin
