// Path resolution confined to the game folder, by the name's text and by where it really leads.
#include "state/game_paths.h"

#include "base/text.h"

#include <filesystem>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

// A chain of symlinks longer than the system itself follows is a loop, or meant to look like one.
constexpr int kMaxSymlinkHops = 40;

// Folders are native paths already; names are script text and are converted where they are joined.
fs::path nativeFolder(const std::string& folder) { return fs::path(folder.empty() ? "." : folder); }
fs::path nativeName(const std::string& name) { return fs::path(cp1252ToUtf8(name)); }

// Any ".." path element could leave the folder; scripts have no reason to write one.
bool namedInsideByText(const std::string& name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\') return false;
  if (name.size() > 1 && name[1] == ':') return false;  // a drive letter is absolute too
  if (name.find('\0') != std::string::npos) return false;  // the system would read a shorter name
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("/\\", start);
    if (end == std::string::npos) end = name.size();
    if (name.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

// Where a path really leads, symlinks followed. A final symlink is followed even when its target
// does not exist: writing through it would create that target, wherever it is.
std::optional<fs::path> realLocation(fs::path path) {
  std::error_code ec;
  for (int hops = 0; fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
    if (hops == kMaxSymlinkHops) return std::nullopt;
    fs::path target = fs::read_symlink(path, ec);
    if (ec) return std::nullopt;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  fs::path real = fs::weakly_canonical(path, ec);
  if (ec) return std::nullopt;
  return real;
}

// The folder's real path is worked out once per folder, not once per file.
const std::optional<fs::path>& realFolder(const std::string& folder) {
  thread_local std::string cachedFolder;
  thread_local std::optional<fs::path> cachedReal;
  thread_local bool cached = false;
  if (!cached || folder != cachedFolder) {
    cachedFolder = folder;
    cachedReal = realLocation(nativeFolder(folder));
    cached = true;
  }
  return cachedReal;
}

// Strictly below the folder: the folder itself is no file of it.
bool liesWithin(const fs::path& real, const fs::path& folder) {
  std::string base = folder.generic_string();
  while (!base.empty() && base.back() == '/') base.pop_back();
  const std::string inner = real.generic_string();
  return inner.size() > base.size() + 1 && inner.compare(0, base.size(), base) == 0 && inner[base.size()] == '/';
}

}  // namespace

std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name) {
  if (!namedInsideByText(name)) return std::nullopt;
  const auto& folderReal = realFolder(folder);
  if (!folderReal) return std::nullopt;
  // A plain name in the folder itself, what nearly every script names, leads elsewhere only when
  // it is a symlink: one look at it settles it, without working out its canonical path.
  if (name.find_first_of("/\\") == std::string::npos && name != ".") {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(*folderReal / nativeName(name), ec);
    if ((!ec || status.type() == fs::file_type::not_found) && !fs::is_symlink(status))
      return joinInFolder(folder, name);
  }
  const auto real = realLocation(*folderReal / nativeName(name));
  if (!real || !liesWithin(*real, *folderReal)) return std::nullopt;
  return joinInFolder(folder, name);
}

std::string joinInFolder(const std::string& folder, const std::string& name) { return folder + cp1252ToUtf8(name); }

bool isPlainGameName(const std::string& name) {
  return name.find_first_of(std::string("/\\:\0", 4)) == std::string::npos && name.find("..") == std::string::npos;
}

std::string folderOf(const std::string& path) {
  auto pos = path.find_last_of('/');
  return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

}  // namespace taluvin
