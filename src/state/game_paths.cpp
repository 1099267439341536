// Path resolution confined to the game folder by text and by where names lead, matched in any letter case.
#include "state/game_paths.h"

#include "base/name_case.h"
#include "base/text.h"

#include <algorithm>
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

// Scripts written for another system separate folders with "\".
std::string withSlashes(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

// The parts of a relative name; empty parts and "." name no folder of their own.
std::vector<std::string> partsOf(const std::string& name) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find('/', start);
    if (end == std::string::npos) end = name.size();
    if (end > start && name.compare(start, end - start, ".") != 0) parts.push_back(name.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// A name followed part by part through the folder's listings.
struct Walk {
  std::string relative;  // native, "/" between the parts
  bool refused = false;  // a folder on the way leads out of the game folder
  bool found = false;    // every part exists
  bool otherSpelling = false;
  bool endsInLink = false;
  std::vector<std::string> alsoThere;  // native, relative to the game folder
};

Walk walkParts(const fs::path& folderReal, const std::vector<std::string>& parts, FolderNames& names, bool collect) {
  Walk walk;
  fs::path at = folderReal;
  // Nothing outside is even listed: a folder reached through a link is admitted only inside.
  const FolderNames::Admit inside = [&folderReal](const std::string& folder) {
    const auto real = realLocation(folder);
    return real && liesWithin(*real, folderReal);
  };
  for (size_t i = 0; i < parts.size(); ++i) {
    const bool last = i + 1 == parts.size();
    const auto listed = names.listing(at.native(), parts[i], i == 0 ? FolderNames::Admit{} : inside);
    if (listed.refused) {
      walk.refused = true;
      return walk;
    }
    std::vector<const ListedName*> alike;
    const ListedName* hit = listed.names ? listed.names->find(parts[i], !last, collect ? &alike : nullptr) : nullptr;
    const std::string prefix = walk.relative.empty() ? std::string() : walk.relative + "/";
    for (const ListedName* other : alike) walk.alsoThere.push_back(prefix + other->onDisk);
    if (!hit) {
      for (size_t k = i; k < parts.size(); ++k) walk.relative += (walk.relative.empty() ? "" : "/") + cp1252ToUtf8(parts[k]);
      return walk;
    }
    walk.otherSpelling |= hit->onDisk != cp1252ToUtf8(parts[i]);
    walk.relative = prefix + hit->onDisk;
    walk.endsInLink = hit->link;
    at /= hit->onDisk;
  }
  walk.found = true;
  return walk;
}

// A relative native path shown to an author: each part as the letters it spells.
std::string shownName(const std::string& relative) {
  std::string shown;
  for (const std::string& part : partsOf(relative)) shown += (shown.empty() ? "" : "/") + cp1252ToUtf8(cp1252NameOf(part));
  return shown;
}

}  // namespace

std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name, FolderNames& names) {
  if (!namedInsideByText(name)) return std::nullopt;
  const auto& folderReal = realFolder(folder);
  if (!folderReal) return std::nullopt;
  const std::string given = withSlashes(name);
  // A name as written costs one look, as it did before names were matched in any case.
  const fs::path exact = *folderReal / nativeName(given);
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(exact, ec);
  if (status.type() != fs::file_type::not_found) {
    // A plain name in the folder itself, what nearly every script names, leads elsewhere only when
    // it is a symlink: one look at it settles it, without working out its canonical path.
    if (!ec && given.find('/') == std::string::npos && given != "." && !fs::is_symlink(status))
      return joinInFolder(folder, given);
    const auto real = realLocation(exact);
    if (!real || !liesWithin(*real, *folderReal)) return std::nullopt;
    return joinInFolder(folder, given);
  }
  const std::vector<std::string> parts = partsOf(given);
  if (parts.empty()) return std::nullopt;
  const Walk walk = walkParts(*folderReal, parts, names, false);
  if (walk.refused) return std::nullopt;
  // Every folder on the way was admitted, so only a link at the end can lead elsewhere.
  if (walk.found && !walk.endsInLink) return folder + walk.relative;
  const auto real = realLocation(*folderReal / walk.relative);
  if (!real || !liesWithin(*real, *folderReal)) return std::nullopt;
  return folder + walk.relative;
}

std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name) {
  FolderNames once;
  return resolveInFolder(folder, name, once);
}

NameLookup lookUpName(const std::string& folder, const std::string& name, FolderNames& names) {
  NameLookup lookup;
  lookup.path = resolveInFolder(folder, name, names);
  if (!lookup.path) return lookup;
  const auto& folderReal = realFolder(folder);
  if (!folderReal) return lookup;
  const Walk walk = walkParts(*folderReal, partsOf(withSlashes(name)), names, true);
  if (walk.found && walk.otherSpelling) lookup.foundAs = shownName(walk.relative);
  for (const std::string& other : walk.alsoThere) lookup.alsoThere.push_back(shownName(other));
  return lookup;
}

std::string joinInFolder(const std::string& folder, const std::string& name) {
  return folder + cp1252ToUtf8(withSlashes(name));
}

bool isPlainGameName(const std::string& name) {
  return name.find_first_of(std::string("/\\:\0", 4)) == std::string::npos && name.find("..") == std::string::npos;
}

std::string folderOf(const std::string& path) {
  auto pos = path.find_last_of('/');
  return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

}  // namespace taluvin
