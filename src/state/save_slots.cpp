// Save slots: the saves folder, the atomic writing of a slot and the checked reading of one to restore it.
#include "state/save_slots.h"

#include "base/text.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "state/lifecycle.h"
#include "state/settings.h"
#include "state/state_writer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTempMark = ".tmp-";
constexpr const char* kThumbnailName = "thumbnail.png";
constexpr const char* kStateExtensions[] = {".ini", ".rgs", ".obx", ".obz"};
constexpr int kMaxSlotNumber = 9999;
// A slot folder left by a program killed while saving; younger ones may still be written by another.
constexpr auto kStaleTemporaryAge = std::chrono::hours(1);

const std::string kNothingRestored = "; nothing restored";

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// Slot names are numbers from 1 up, written without leading zeros.
int slotNumber(const std::string& name) {
  if (name.empty() || name.size() > 4 || name[0] == '0') return 0;
  for (char c : name)
    if (c < '0' || c > '9') return 0;
  return std::atoi(name.c_str());
}

// A new file, never one already there (nor a link planted in its place), written and flushed.
std::string writeNewFile(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return std::strerror(errno);
  const bool ok = writeAllBytes(fd, bytes) && ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  return ok ? std::string() : std::strerror(error);
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Reads a plain file of at most limit bytes; a link is not followed, so a slot shows only its own files.
std::string readPlainFile(const std::string& path, std::uint64_t limit, std::string& bytes) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "is missing";
  if (!S_ISREG(st.st_mode)) return "is not a plain file";
  if (static_cast<std::uint64_t>(st.st_size) > limit) return "is larger than it can be";
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot be read";
  bytes.assign(static_cast<size_t>(st.st_size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return {};
}

// The lines as the state writer puts them on disk.
std::string stateFileBytes(const Lines& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += stateFileLine(line);
    bytes += "\r\n";
  }
  return bytes;
}

void removeStaleTemporaries(const std::string& folder) {
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().rfind(kTempMark, 0) != 0) continue;
    std::error_code ignored;
    const auto written = fs::last_write_time(it->path(), ignored);
    if (!ignored && now - written > kStaleTemporaryAge) fs::remove_all(it->path(), ignored);
  }
}

// Moves the finished temporary folder to the first free slot number from `number` on.
std::string renameIntoFreeSlot(const std::string& temporary, const std::string& folder, int number,
                               std::string& name) {
  for (; number <= kMaxSlotNumber; ++number) {
    name = std::to_string(number);
    const std::string target = folder + name;
    // RENAME_NOREPLACE: a slot another program wrote meanwhile is never replaced, even an empty one.
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return {};
    if (errno == EEXIST || errno == ENOTEMPTY) continue;
    if (errno != EINVAL && errno != ENOSYS) return std::strerror(errno);
    // A file system without the no-replace rename: the check and the rename are two steps.
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec))) continue;
    if (::rename(temporary.c_str(), target.c_str()) == 0) return {};
    return std::strerror(errno);
  }
  return "every slot up to " + std::to_string(kMaxSlotNumber) + " is taken";
}

std::string nativeGameName(const std::string& gameName) { return cp1252ToUtf8(gameName); }

}  // namespace

std::string playerDataFolder(const std::string& kind, std::string& problem) {
  // The XDG rule: a relative XDG_DATA_HOME is ignored.
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return withSeparator(data) + "taluvin/" + kind + "/";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return withSeparator(home) + ".local/share/taluvin/" + kind + "/";
  problem = "no folder for " + kind + ": neither XDG_DATA_HOME nor HOME names one";
  return {};
}

std::string savesRootFolder(std::string& problem) { return playerDataFolder("saves", problem); }

std::string gameDataFolder(const std::string& kind, const std::string& gameName, std::string& problem) {
  const std::string root = playerDataFolder(kind, problem);
  if (root.empty()) return {};
  if (gameName.empty() || !isPlainGameName(gameName)) {
    problem = "the game has no name its " + kind + " could be kept under";
    return {};
  }
  return root + nativeGameName(gameName) + "/";
}

std::string gameSavesFolder(const std::string& gameName, std::string& problem) {
  return gameDataFolder("saves", gameName, problem);
}

bool sameFolder(const std::string& a, const std::string& b) {
  std::error_code ea, eb;
  const fs::path ca = fs::weakly_canonical(fs::path(a), ea), cb = fs::weakly_canonical(fs::path(b), eb);
  if (ea || eb) return withSeparator(a) == withSeparator(b);
  return withSeparator(ca.string()) == withSeparator(cb.string());
}

std::vector<SlotListing> listSlots(const std::string& folder) {
  std::vector<SlotListing> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code statError;
    if (slotNumber(name) == 0 || !it->is_directory(statError) || it->is_symlink(statError)) continue;
    SlotListing slot;
    slot.name = name;
    slot.path = folder + name + "/";
    std::string text;
    if (const std::string why = readPlainFile(slot.path + kSlotManifestName, kMaxSlotManifestBytes, text);
        !why.empty()) {
      slot.problem = "its manifest " + why;
    } else if (const std::string garbled = parseSlotManifest(text, slot.manifest); !garbled.empty()) {
      slot.problem = "its manifest is garbled (" + garbled + ")";
    }
    found.push_back(std::move(slot));
  }
  std::sort(found.begin(), found.end(),
            [](const SlotListing& a, const SlotListing& b) { return slotNumber(a.name) < slotNumber(b.name); });
  return found;
}

SlotContents slotContentsOf(const GameSession& s, const std::string& time, const std::string& thumbnailPng,
                            const std::vector<SlotExtra>& extras) {
  // The game's state as the exit steps would write it now.
  Settings settings = s.settings;
  settings.padForWriting();
  putSessionLines(settings, s);
  const std::string base = nativeGameName(s.GameName);
  SlotContents contents;
  contents.files = {
      {base + ".ini", stateFileBytes(settings.lines())},
      {base + ".rgs", stateFileBytes(s.registers.lines())},
      {base + ".obx", stateFileBytes(s.objects.table())},
      {base + ".obz", stateFileBytes(s.objects.names)},
  };
  contents.files.insert(contents.files.end(), extras.begin(), extras.end());

  SlotManifest& manifest = contents.manifest;
  manifest.game = s.GameName;
  manifest.folder = s.GameFolder;
  manifest.time = time;
  manifest.script = s.Script;
  manifest.retScp = s.RetScp;
  manifest.objeto = s.Objeto;
  manifest.posic = s.Posic;
  for (const SlotExtra& file : contents.files)
    manifest.files.push_back({file.name, file.bytes.size(), slotChecksum(file.bytes)});
  // The picture is shown in the list, never checked: it is not among the files a restore needs whole.
  if (!thumbnailPng.empty()) {
    manifest.thumbnail = kThumbnailName;
    contents.files.push_back({kThumbnailName, thumbnailPng});
  }
  return contents;
}

SlotSaved writeSlot(const std::string& folder, const SlotContents& contents) {
  SlotSaved saved;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    saved.error = "not saved: cannot make the folder " + folder + ": " + ec.message();
    return saved;
  }
  removeStaleTemporaries(folder);

  std::string temporary = folder + kTempMark + "XXXXXX";
  if (!::mkdtemp(temporary.data())) {
    saved.error = "not saved: cannot write in " + folder + ": " + std::strerror(errno);
    return saved;
  }
  temporary += '/';
  auto fail = [&](const std::string& what, const std::string& reason) {
    std::error_code ignored;
    fs::remove_all(temporary, ignored);
    saved.error = "not saved: " + what + ": " + reason;
    return saved;
  };
  for (const SlotExtra& file : contents.files)
    if (std::string why = writeNewFile(temporary + file.name, file.bytes); !why.empty()) return fail(file.name, why);
  // The manifest last: a slot with a manifest has every file it lists.
  if (std::string why = writeNewFile(temporary + kSlotManifestName, formatSlotManifest(contents.manifest));
      !why.empty())
    return fail(kSlotManifestName, why);
  syncFolder(temporary);

  int next = 1;
  for (const auto& slot : listSlots(folder)) next = std::max(next, std::stoi(slot.name) + 1);
  temporary.pop_back();
  if (std::string why = renameIntoFreeSlot(temporary, folder, next, saved.name); !why.empty()) {
    saved.name.clear();
    return fail("no slot in " + folder, why);
  }
  syncFolder(folder);
  return saved;
}

SlotSaved saveToNextSlot(const GameSession& s, const std::string& time, const std::string& thumbnailPng,
                         const std::vector<SlotExtra>& extras) {
  SlotSaved saved;
  if (!s.gameOpen()) {
    saved.error = "nothing to save: no game is open";
    return saved;
  }
  std::string problem;
  const std::string folder = gameSavesFolder(s.GameName, problem);
  if (folder.empty()) {
    saved.error = "not saved: " + problem;
    return saved;
  }
  return writeSlot(folder, slotContentsOf(s, time, thumbnailPng, extras));
}

SlotRestore restoreSlot(const std::string& gameFolder, const std::string& programName, const std::string& gameName,
                        const std::string& ref, bool write) {
  SlotRestore r;
  const bool byPath = ref.find('/') != std::string::npos;
  r.label = byPath ? "the slot " + ref : "slot " + ref;
  const std::string game = nativeGameName(gameName);
  auto refuse = [&r](std::string why) {
    r.error = std::move(why) + kNothingRestored;
    return r;
  };
  if (gameName.empty() || !isPlainGameName(gameName))
    return refuse("cannot restore " + r.label + ": the game folder names no game (settings line 4)");

  std::string slotFolder;
  if (byPath) {
    std::error_code ec;
    slotFolder = withSeparator(fs::absolute(ref, ec).lexically_normal().string());
  } else {
    if (slotNumber(ref) == 0) return refuse("'" + ref + "' is no slot: slots are numbered from 1");
    std::string problem;
    const std::string folder = gameSavesFolder(gameName, problem);
    if (folder.empty()) return refuse("cannot restore " + r.label + ": " + problem);
    slotFolder = folder + ref + "/";
  }
  std::error_code ec;
  if (!fs::is_directory(slotFolder, ec))
    return refuse("there is no " + r.label + " of \"" + game + "\" (looked in " + slotFolder + ")");
  return restoreSlotFolder(gameFolder, programName, gameName, slotFolder, r.label, write);
}

SlotRestore restoreSlotFolder(const std::string& gameFolder, const std::string& programName,
                              const std::string& gameName, const std::string& slotFolder, const std::string& label,
                              bool write) {
  SlotRestore r;
  r.label = label;
  r.folder = slotFolder;
  const std::string game = nativeGameName(gameName);
  auto refuse = [&r](std::string why) {
    r.error = std::move(why) + kNothingRestored;
    return r;
  };
  if (gameName.empty() || !isPlainGameName(gameName))
    return refuse("cannot restore " + r.label + ": the game folder names no game (settings line 4)");

  std::string text;
  if (const std::string why = readPlainFile(slotFolder + kSlotManifestName, kMaxSlotManifestBytes, text); !why.empty())
    return refuse(r.label + " is damaged: its manifest " + why);
  if (const std::string garbled = parseSlotManifest(text, r.manifest); !garbled.empty())
    return refuse(r.label + " is damaged: its manifest is garbled (" + garbled + ")");
  if (r.manifest.game != gameName)
    return refuse(r.label + " is a save of the game \"" + nativeGameName(r.manifest.game) + "\", not of \"" + game +
                  "\"");
  if (!sameFolder(r.manifest.folder, gameFolder))
    return refuse(r.label + " is a save of the game in " + r.manifest.folder + ", not of the one in " + gameFolder);

  // Everything is read and checked before anything is written.
  StateSet set;
  for (const char* extension : kStateExtensions) {
    const std::string name = game + extension;
    const SlotFileEntry* entry = r.manifest.file(name);
    if (!entry) return refuse(r.label + " is damaged: it holds no " + name);
    std::string bytes;
    if (const std::string why = readPlainFile(slotFolder + name, kMaxSlotFileBytes, bytes); !why.empty())
      return refuse(r.label + " is damaged: its " + name + " " + why);
    if (bytes.size() != entry->size || slotChecksum(bytes) != entry->checksum)
      return refuse(r.label + " is damaged: its " + name + " does not hold what was saved");
    // The same check opening the game makes: its files never lead out of the folder.
    const auto target = resolveInFolder(gameFolder, gameName + extension);
    if (!target) return refuse("the game's file \"" + name + "\" leads out of its folder");
    set.addBytes(*target, std::move(bytes));
  }
  if (!write) return r;
  StateWriter::instance().drain();  // the program's settings are read as they are on disk

  // The program's settings name the place too: a start before the game's settings are read sees it.
  if (const auto programSettings = resolveInFolder(gameFolder, utf8ToCp1252(programName) + ".ini")) {
    Settings program;
    program.load(*programSettings);
    program.padForWriting();
    program.set(7, r.manifest.script);
    program.set(8, r.manifest.retScp);
    program.set(9, r.manifest.objeto);
    program.set(10, r.manifest.posic);
    set.add(*programSettings, program.lines());
  }
  set.submit();
  StateWriter::instance().drain();
  return r;
}

std::string slotExtra(const SlotRestore& restored, const std::string& name) {
  const SlotFileEntry* entry = restored.manifest.file(name);
  if (!entry || restored.folder.empty() || !isPlainSlotFileName(name)) return {};
  std::string bytes;
  if (!readPlainFile(restored.folder + name, kMaxSlotFileBytes, bytes).empty()) return {};
  if (bytes.size() != entry->size || slotChecksum(bytes) != entry->checksum) return {};
  return bytes;
}

}  // namespace taluvin
