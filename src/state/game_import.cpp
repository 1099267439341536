// Game import: finding the game in what was unpacked, its program settings, and the rename into place.
#include "state/game_import.h"

#include "base/name_case.h"
#include "state/folder_copy.h"
#include "state/folder_lock.h"
#include "state/game_paths.h"
#include "state/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxRootDepth = 32;
// Settings files are a few kB; a larger one is no settings file worth reading line 4 of.
constexpr std::streamsize kMaxSettingsBytes = 1024 * 1024;

bool endsWithFolded(const std::string& name, const std::string& ending) {
  const std::string folded = foldedName(cp1252NameOf(name));
  return folded.size() >= ending.size() && folded.compare(folded.size() - ending.size(), ending.size(), ending) == 0;
}

// The plain files and folders directly in folder, in byte order; links and anything else left out.
void listFolder(const fs::path& folder, std::vector<std::string>& files, std::vector<std::string>& folders) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::file_status own = it->symlink_status(ec);
    if (ec) break;
    const std::string name = it->path().filename().string();
    if (fs::is_regular_file(own)) files.push_back(name);
    else if (fs::is_directory(own)) folders.push_back(name);
  }
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
}

bool holdsGame(const std::vector<std::string>& files) {
  const bool start = std::any_of(files.begin(), files.end(),
                                 [](const std::string& f) { return foldedName(cp1252NameOf(f)) == "start.scp"; });
  const bool settings = std::any_of(files.begin(), files.end(), [](const std::string& f) { return endsWithFolded(f, ".ini"); });
  return start && settings;
}

std::string readStart(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<size_t>(kMaxSettingsBytes), '\0');
  in.read(bytes.data(), kMaxSettingsBytes);
  bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return bytes;
}

std::string withoutIni(const std::string& name) { return name.substr(0, name.size() - 4); }

void syncFileSystem(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::syncfs(fd);
  ::close(fd);
}

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// Moves the finished game to its name; a game already there goes only when asked, and only after
// the new one stands in its place.
std::string renameIntoPlace(const std::string& from, const std::string& target, bool replace) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EEXIST && errno != ENOTEMPTY) {
    if (errno != EINVAL && errno != ENOSYS) return std::strerror(errno);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(target, ec))) {
      if (::rename(from.c_str(), target.c_str()) == 0) return {};
      return std::strerror(errno);
    }
  }
  if (!replace) return "a game of that name is already there";
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0)
    return std::strerror(errno);
  // `from` now holds the game replaced, removed with the temporary.
  return {};
}

}  // namespace

std::optional<std::string> findGameRoot(const std::string& folder) {
  std::vector<std::string> level{""};
  for (size_t depth = 0; depth <= kMaxRootDepth && !level.empty(); ++depth) {
    std::vector<std::string> next;
    for (const std::string& relative : level) {
      std::vector<std::string> files, folders;
      listFolder(fs::path(folder + relative), files, folders);
      if (holdsGame(files)) return relative;
      for (const std::string& sub : folders) next.push_back(relative + sub + "/");
    }
    level = std::move(next);
  }
  return std::nullopt;
}

std::string giveProgramSettings(const std::string& gameFolder, const std::string& programName) {
  const std::string own = programName + ".ini";
  std::vector<std::string> files, folders;
  listFolder(fs::path(gameFolder), files, folders);
  const std::string ownFolded = foldedName(cp1252NameOf(own));
  for (const std::string& file : files)
    if (foldedName(cp1252NameOf(file)) == ownFolded) return {};
  std::string gamesOwn;
  for (const std::string& file : files) {
    if (!endsWithFolded(file, ".ini")) continue;
    const Lines lines = splitLines(readStart(gameFolder + file));
    if (lines.size() <= 4) continue;
    const std::string game = lines[4];
    if (game.empty() || !isPlainGameName(game) || !resolveInFolder(gameFolder, game + ".ini")) continue;
    const bool namesItself = foldedName(cp1252NameOf(withoutIni(file))) == foldedName(game);
    if (!namesItself) {
      gamesOwn = file;
      break;
    }
    if (gamesOwn.empty()) gamesOwn = file;
  }
  if (gamesOwn.empty()) return {};
  std::error_code ec;
  if (!fs::copy_file(gameFolder + gamesOwn, gameFolder + own, fs::copy_options::none, ec)) return {};
  return gamesOwn;
}

ImportedGame importGame(const ImportRequest& request) {
  ImportedGame imported;
  std::string work = request.parent + kUnpackingPrefix + "XXXXXX";
  if (!::mkdtemp(work.data())) {
    imported.error = "cannot make a folder in " + request.parent + ": " + std::strerror(errno);
    return imported;
  }
  work += '/';
  // Held while written, so another program cleaning up leftovers never takes it for one.
  FolderLock hold;
  hold.take(work);
  std::error_code ec;
  const UnpackResult unpacked = request.archive ? unpackArchive(request.source, work, request.budget)
                                                : copyFolder(request.source, work, request.budget);
  imported.leftOut = unpacked.leftOut;
  const auto root = unpacked.error.empty() ? findGameRoot(work) : std::nullopt;
  if (!unpacked.error.empty()) {
    imported.error = unpacked.error;
  } else if (!root) {
    imported.error = "it holds no game: no folder in it has a start.scp and a settings file (.ini)";
  } else {
    imported.settingsFrom = giveProgramSettings(work + *root, request.programName);
    syncFileSystem(work);
    const std::string target = request.parent + request.name;
    // Without its separator: a rename names the folder itself. When the game is the whole temporary,
    // the rename leaves nothing behind, or the game it replaced, which goes below.
    std::string gameFolder = work + *root;
    gameFolder.pop_back();
    if (const std::string why = renameIntoPlace(gameFolder, target, request.replace); !why.empty())
      imported.error = "cannot move it to " + target + ": " + why;
    else
      imported.folder = withSeparator(target);
  }
  fs::remove_all(work, ec);
  return imported;
}

void removeLeftoverFolders(const std::string& parent, const std::string& prefix) {
  std::error_code ec;
  for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(prefix, 0) != 0 || !fs::is_directory(it->symlink_status(ec))) continue;
    const int fd = ::open(it->path().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      std::error_code ignored;
      fs::remove_all(it->path(), ignored);
    }
    ::close(fd);
  }
}

}  // namespace taluvin
