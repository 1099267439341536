// Undo steps: keeping a step per run, writing and pruning them off the click, and finding the newest.
#include "state/undo_steps.h"

#include "base/date_time.h"
#include "base/text.h"
#include "state/game_session.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

// Slot numbers stop at 9999: well before that the kept steps are numbered again from 1.
constexpr int kRenumberFrom = 9000;
constexpr std::size_t kScriptLine = 7;
// A step is written once the run that took it has had time to paint, by a thread that yields to it.
constexpr auto kSettle = std::chrono::milliseconds(100);
constexpr int kStepsNice = 10;

std::uint64_t mix(std::uint64_t key, std::uint64_t value) {
  const char* bytes = reinterpret_cast<const char*>(&value);
  return key ^ (slotChecksum(std::string_view(bytes, sizeof value)) + 0x9e3779b97f4a7c15ull + (key << 6) + (key >> 2));
}

bool endsWith(const std::string& text, const char* suffix) {
  const std::string tail(suffix);
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The settings file's bytes with the line naming the script last run left out.
std::uint64_t settingsKey(std::string_view bytes) {
  std::uint64_t key = 0;
  std::size_t start = 0;
  for (std::size_t index = 0; start <= bytes.size(); ++index) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    if (index != kScriptLine) key = mix(key, slotChecksum(bytes.substr(start, end - start)));
    key = mix(key, index);
    start = end + 2;
  }
  return key;
}

std::uint64_t keyOf(const SlotManifest& manifest, const std::string& settingsBytes) {
  std::uint64_t key = settingsKey(settingsBytes);
  for (const std::string* field : {&manifest.retScp, &manifest.objeto, &manifest.posic})
    key = mix(key, slotChecksum(*field));
  for (const SlotFileEntry& file : manifest.files) {
    if (endsWith(file.name, ".ini")) continue;
    key = mix(mix(key, slotChecksum(file.name)), file.checksum);
  }
  return key;
}

// A step's settings file, when it is there whole as recorded; empty otherwise (its key then matches
// no state, and restoring it says what is wrong).
std::string settingsOfStep(const SlotListing& step) {
  for (const SlotFileEntry& file : step.manifest.files) {
    if (!endsWith(file.name, ".ini") || !isPlainSlotFileName(file.name)) continue;
    struct stat st {};
    const std::string path = step.path + file.name;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) != file.size)
      return {};
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(file.size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in || slotChecksum(bytes) != file.checksum) return {};
    return bytes;
  }
  return {};
}

struct Listed {
  std::vector<SlotListing> ours;  // oldest first
  int highest = 0;                // the highest number in the folder, whoever's
};

// The steps of the game in gameFolder; a damaged one is removed, and said in notes. Steps of a game
// of the same name in another folder are left to it.
Listed listSteps(const std::string& folder, const std::string& gameFolder, const std::string& gameName,
                 std::vector<std::string>& notes) {
  Listed listed;
  for (SlotListing& step : listSlots(folder)) {
    listed.highest = std::max(listed.highest, std::stoi(step.name));
    if (!step.problem.empty()) {
      notes.push_back("undo step " + step.name + " is damaged (" + step.problem + "); it is left out");
      std::error_code ignored;
      fs::remove_all(step.path, ignored);
      continue;
    }
    if (step.manifest.game == gameName && sameFolder(step.manifest.folder, gameFolder))
      listed.ours.push_back(std::move(step));
  }
  return listed;
}

// The steps numbered again from 1, in their order, when the numbers run out.
void renumber(const std::string& folder, std::vector<SlotListing>& ours) {
  int number = 1;
  for (SlotListing& step : ours) {
    for (; number < kRenumberFrom; ++number) {
      const std::string target = folder + std::to_string(number);
      if (::renameat2(AT_FDCWD, step.path.substr(0, step.path.size() - 1).c_str(), AT_FDCWD, target.c_str(),
                      RENAME_NOREPLACE) == 0) {
        step.name = std::to_string(number++);
        step.path = target + "/";
        break;
      }
      if (errno != EEXIST && errno != ENOTEMPTY) return;
    }
  }
}

}  // namespace

std::uint64_t undoKeyOf(const SlotContents& contents) {
  for (const SlotExtra& file : contents.files)
    if (endsWith(file.name, ".ini")) return keyOf(contents.manifest, file.bytes);
  return keyOf(contents.manifest, {});
}

UndoSteps::~UndoSteps() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void UndoSteps::post(std::function<void()> job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    // Steps come faster than they are written only in a burst of runs; of those, no more than the
    // kept number would stay.
    if (jobs_.size() > kKept) jobs_.pop_front();
    if (!thread_.joinable()) thread_ = std::thread([this] { loop(); });
  }
  changed_.notify_all();
}

void UndoSteps::loop() {
  // The steps are for later; the click that took one is painted first.
  ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kStepsNice);
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    // Stopping still writes what was handed in: those are the steps the player may undo next time.
    if (jobs_.empty()) return;
    changed_.wait_for(lock, kSettle, [this] { return stopping_ || hurry_ > 0; });
    auto job = std::move(jobs_.front());
    jobs_.pop_front();
    working_ = true;
    lock.unlock();
    job();
    lock.lock();
    working_ = false;
    changed_.notify_all();
  }
}

void UndoSteps::drain() {
  std::unique_lock lock(mutex_);
  ++hurry_;
  changed_.notify_all();
  changed_.wait(lock, [this] { return jobs_.empty() && !working_; });
  --hurry_;
}

void UndoSteps::takeNotes(std::vector<std::string>& notes) {
  std::lock_guard lock(mutex_);
  for (std::string& note : notes_) notes.push_back(std::move(note));
  notes_.clear();
}

void UndoSteps::follow(const GameSession& session, std::vector<std::string>& notes) {
  if (session.GameFolder == gameFolder_ && session.GameName == gameName_) return;
  drain();
  gameFolder_ = session.GameFolder;
  gameName_ = session.GameName;
  keys_.clear();
  std::string problem;
  folder_ = gameDataFolder("undo", gameName_, problem);
  if (folder_.empty()) {
    notes.push_back("no undo: " + problem);
    return;
  }
  for (const SlotListing& step : listSteps(folder_, gameFolder_, gameName_, notes).ours)
    keys_.push_back(keyOf(step.manifest, settingsOfStep(step)));
}

void UndoSteps::keep(const GameSession& session, std::vector<std::string>& notes) {
  if (!session.gameOpen()) return;
  takeNotes(notes);
  follow(session, notes);
  if (folder_.empty()) return;
  const DateTime now = localNow();
  SlotContents contents = slotContentsOf(session, formatDate(now) + " " + formatTime(now), {});
  const std::uint64_t key = undoKeyOf(contents);
  if (!keys_.empty() && keys_.back() == key) return;
  keys_.push_back(key);
  if (keys_.size() > kKept) keys_.erase(keys_.begin());
  post([this, folder = folder_, gameFolder = gameFolder_, gameName = gameName_, contents = std::move(contents)] {
    std::vector<std::string> found;
    Listed listed = listSteps(folder, gameFolder, gameName, found);
    if (listed.highest >= kRenumberFrom) renumber(folder, listed.ours);
    const SlotSaved saved = writeSlot(folder, contents);
    if (saved.error.empty()) listed.ours.push_back({saved.name, folder + saved.name + "/", contents.manifest, {}});
    // Said once, until a step is written again: a full disk is not news at every click.
    if (!saved.error.empty() && !failing_) found.push_back("undo step " + saved.error);
    failing_ = !saved.error.empty();
    for (std::size_t i = 0; i + kKept < listed.ours.size(); ++i) {
      std::error_code ignored;
      fs::remove_all(listed.ours[i].path, ignored);
    }
    std::lock_guard lock(mutex_);
    for (std::string& note : found) notes_.push_back(std::move(note));
  });
}

std::optional<UndoSteps::Step> UndoSteps::newest(const GameSession& session, std::vector<std::string>& notes) {
  if (!session.gameOpen()) return std::nullopt;
  drain();
  takeNotes(notes);
  follow(session, notes);
  if (folder_.empty()) return std::nullopt;
  // The disk is the truth: a step that could not be written is not offered.
  keys_.clear();
  const Listed listed = listSteps(folder_, gameFolder_, gameName_, notes);
  for (const SlotListing& step : listed.ours) keys_.push_back(keyOf(step.manifest, settingsOfStep(step)));
  if (listed.ours.empty()) return std::nullopt;
  const SlotListing& last = listed.ours.back();
  return Step{last.path, "undo step " + last.name, keys_.back()};
}

void UndoSteps::drop(const Step& step) {
  if (!keys_.empty() && keys_.back() == step.key) keys_.pop_back();
  std::error_code ignored;
  fs::remove_all(step.folder, ignored);
}

}  // namespace taluvin
