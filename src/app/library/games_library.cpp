// The games library: listing, adding, removing and noting plays of the games folder's games.
#include "app/library/games_library.h"

#include "base/text.h"
#include "state/archive_names.h"
#include "state/folder_lock.h"
#include "state/game_import.h"
#include "state/player_data.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>
#include <ctime>
#include <filesystem>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxNameBytes = 100;
constexpr int kMaxSuffix = 9999;
constexpr const char* kUnnamed = "game";

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

bool isFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(fs::symlink_status(path, ec));
}

bool endsWithZip(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ending = name.substr(name.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
  return ending == ".zip";
}

// Cut at a character's start, so the name stays UTF-8.
std::string cutUtf8(std::string text, size_t bytes) {
  if (text.size() <= bytes) return text;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

std::string freeName(const std::string& games, const std::string& base) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(games + base, ec))) return base;
  for (int n = 2; n <= kMaxSuffix; ++n) {
    const std::string name = base + "-" + std::to_string(n);
    if (!fs::exists(fs::symlink_status(games + name, ec))) return name;
  }
  return {};
}

}  // namespace

std::vector<LibraryGame> listLibrary(const std::string& gamesFolder, const LibraryIndex& index) {
  std::vector<LibraryGame> games;
  std::error_code ec;
  for (fs::directory_iterator it(gamesFolder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.' || !fs::is_directory(it->symlink_status(ec))) continue;
    LibraryGame game{name, gamesFolder + name + "/", {}};
    if (const LibraryRecord* record = index.find(name)) game.record = *record;
    else game.record.name = name;
    games.push_back(std::move(game));
  }
  std::sort(games.begin(), games.end(), [](const LibraryGame& a, const LibraryGame& b) { return a.name < b.name; });
  return games;
}

bool isArchivePath(const std::string& path) {
  std::error_code ec;
  return endsWithZip(fs::path(path).filename().string()) && fs::is_regular_file(path, ec);
}

std::string libraryName(const std::string& path) {
  std::string name = fs::path(path).lexically_normal().filename().string();
  if (name.empty()) name = fs::path(path).lexically_normal().parent_path().filename().string();
  if (endsWithZip(name)) name.resize(name.size() - 4);
  name = decodeEntryName(name);
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
  }
  const size_t start = name.find_first_not_of(". ");
  name = start == std::string::npos ? std::string() : name.substr(start);
  name = cutUtf8(name, kMaxNameBytes);
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  return name.empty() ? kUnnamed : name;
}

std::string fileHash(const std::string& path) {
  QFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return {};
  return hash.result().toHex().toStdString();
}

AddedGame addToLibrary(const std::string& given, SameName sameName, const std::string& programName) {
  AddedGame added;
  std::string problem;
  const std::string games = gamesFolder(problem);
  const std::string data = games.empty() ? std::string() : playerDataFolder(problem);
  if (data.empty()) {
    added.error = problem;
    return added;
  }
  removeLeftoverFolders(games, kUnpackingPrefix);
  std::error_code ec;
  const std::string source = fs::absolute(given, ec).lexically_normal().string();
  const bool archive = isArchivePath(source);
  if (!archive && !fs::is_directory(source, ec)) {
    added.error = "it is neither a game folder nor a .zip archive";
    return added;
  }
  if (!archive) {
    if (const std::string name = libraryGameOf(withSeparator(source)); !name.empty()) {
      added = AddedGame{name, games + name + "/", {}, true, {}, {}};
      return added;
    }
  }
  const std::string hash = archive ? fileHash(source) : std::string();
  if (archive && hash.empty()) {
    added.error = "it cannot be read";
    return added;
  }
  const LibraryIndex known(data);
  if (const LibraryRecord* before = known.findSource(hash); before && isFolder(games + before->name)) {
    added = AddedGame{before->name, games + before->name + "/", {}, true, {}, {}};
    return added;
  }
  const std::string base = libraryName(source);
  added.name = sameName == SameName::Replace ? base : freeName(games, base);
  if (added.name.empty()) {
    added.error = "every name from " + base + " to " + base + "-" + std::to_string(kMaxSuffix) + " is taken";
    return added;
  }
  ImportRequest request;
  request.source = source;
  request.archive = archive;
  request.parent = games;
  request.name = added.name;
  request.replace = sameName == SameName::Replace;
  request.programName = programName;
  const ImportedGame imported = importGame(request);
  added.leftOut = imported.leftOut;
  added.settingsFrom = imported.settingsFrom;
  if (!imported.error.empty()) {
    added.error = imported.error;
    return added;
  }
  added.folder = imported.folder;
  // Read again: another program may have noted a play meanwhile.
  LibraryIndex index(data);
  index.remove(added.name);
  LibraryRecord& record = index.record(added.name);
  record.sourceHash = hash;
  record.source = source;
  index.save();
  return added;
}

std::string libraryGameOf(const std::string& folder) {
  const std::string games = gamesFolderIfAny();
  if (games.empty()) return {};
  std::error_code ec;
  const fs::path real = fs::canonical(folder, ec);
  if (ec) return {};
  const fs::path gamesReal = fs::canonical(games, ec);
  if (ec || real.parent_path() != gamesReal) return {};
  return real.filename().string();
}

void notePlayed(const std::string& name, const std::string& place) {
  std::string problem;
  const std::string data = playerDataFolder(problem);
  if (data.empty() || name.empty()) return;
  LibraryIndex index(data);
  LibraryRecord& record = index.record(name);
  record.lastPlayed = static_cast<long long>(std::time(nullptr));
  if (!place.empty()) record.place = cp1252ToUtf8(place);
  index.save();
}

std::string removeFromLibrary(const std::string& name) {
  std::string problem;
  const std::string games = gamesFolder(problem);
  const std::string data = games.empty() ? std::string() : playerDataFolder(problem);
  if (data.empty()) return problem;
  if (name.empty() || name[0] == '.' || name.find('/') != std::string::npos) return "no game is named " + name;
  const std::string folder = games + name;
  if (!isFolder(folder)) return "no game is named " + name + " in " + games;
  // A game being played stays: its player would go on saving into a folder that is gone.
  FolderLock hold;
  if (const std::string inUse = hold.take(folder + "/"); !inUse.empty()) return inUse;
  std::error_code ec;
  fs::remove_all(folder, ec);
  if (ec) return "cannot remove " + folder + ": " + ec.message();
  LibraryIndex index(data);
  index.remove(name);
  index.save();
  return {};
}

}  // namespace taluvin
