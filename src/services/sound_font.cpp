// The soundfont search: preferred names first, then anything that looks like a soundfont.
#include "services/sound_font.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool isSoundFontName(const fs::path& path) {
  const std::string extension = lowered(path.extension().string());
  return extension == ".sf2" || extension == ".sf3";
}

}  // namespace

std::vector<std::string> standardSoundFontFolders() { return {"/usr/share/sounds/sf2", "/usr/share/soundfonts"}; }

std::string findSoundFont(const std::vector<std::string>& folders) {
  static const char* const kPreferred[] = {"TimGM6mb.sf2", "default-GM.sf2", "default.sf2"};
  std::error_code ec;
  for (const std::string& folder : folders) {
    for (const char* name : kPreferred) {
      const fs::path path = fs::path(folder) / name;
      // A dangling default link (its alternative removed) is no soundfont.
      if (fs::is_regular_file(path, ec)) return path.string();
    }
    std::vector<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
      if (isSoundFontName(it->path()) && fs::is_regular_file(it->path(), ec)) found.push_back(it->path().string());
    if (!found.empty()) return *std::min_element(found.begin(), found.end());
    ec.clear();
  }
  return {};
}

bool isMidiFile(const std::string& path) {
  const std::string extension = lowered(fs::path(path).extension().string());
  return extension == ".mid" || extension == ".midi" || extension == ".kar" || extension == ".rmi";
}

}  // namespace taluvin
