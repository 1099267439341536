// Path resolution confined to the game folder.
#include "state/game_paths.h"

#include "script/text.h"

namespace taluvin {

std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\') return std::nullopt;
  if (name.size() > 1 && name[1] == ':') return std::nullopt;  // a drive letter is absolute too
  // Any ".." path element could leave the folder; scripts have no reason to write one.
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("/\\", start);
    if (end == std::string::npos) end = name.size();
    if (name.compare(start, end - start, "..") == 0) return std::nullopt;
    start = end + 1;
  }
  return joinInFolder(folder, name);
}

std::string joinInFolder(const std::string& folder, const std::string& name) { return folder + cp1252ToUtf8(name); }

std::string folderOf(const std::string& path) {
  auto pos = path.find_last_of('/');
  return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

}  // namespace taluvin
