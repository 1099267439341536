// The state writer's thread: temporaries created exclusively, flushed, then renamed together.
#include "state/state_writer.h"

#include "state/file_stamp.h"
#include "state/game_paths.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace taluvin {

namespace {

// Sets of different files that wait for the writer at once; past this they are merged.
constexpr size_t kMostWaitingSets = 8;

const char kTempMark[] = ".tmp-";
// Names the renames of a set while they happen, so a set cut short by a kill is completed when the
// game is opened again instead of leaving new registers beside old objects.
const char kJournal[] = ".taluvin-save";

std::string baseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder a state file lies in; a bare name lies in the working folder.
std::string folderName(const std::string& path) {
  const std::string folder = folderOf(path);
  return folder.empty() ? std::string("./") : folder;
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

struct Temporary {
  std::string target;  // native path
  std::string path;
};

// find_first_of over a set of two searches the set once per character of the line; two memchr runs
// are many times faster, and a save of a large game asks this of every register.
bool hasLineBreak(const std::string& line) {
  return std::memchr(line.data(), '\n', line.size()) || std::memchr(line.data(), '\r', line.size());
}

size_t hashOf(const std::string& bytes) { return std::hash<std::string_view>{}(bytes); }

}  // namespace

bool writeAllBytes(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

std::string stateFileLine(const std::string& line) {
  if (!hasLineBreak(line)) return line;
  static const char kBreak = '\xA7';  // "§" in Windows-1252
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\r' || c == '\n') {
      out += kBreak;
      if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

void StateSet::add(const std::string& path, const Lines& lines) {
  std::string bytes;
  size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  bytes.reserve(size);
  for (const auto& line : lines) {
    if (!hasLineBreak(line))
      bytes += line;
    else
      bytes += stateFileLine(line);
    bytes += "\r\n";
  }
  addBytes(path, std::move(bytes));
}

void StateSet::addBytes(const std::string& path, std::string bytes) { files_[nativePath(path)] = std::move(bytes); }

void StateSet::submit() {
  if (!files_.empty()) StateWriter::instance().submit(std::move(*this));
}

StateWriter& StateWriter::instance() {
  // Past a file-size limit a write must fail with an error the writer reports, not kill the program.
  static const bool fileSizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
  static StateWriter writer;
  (void)fileSizeSignalIgnored;
  return writer;
}

StateWriter::~StateWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void StateWriter::setFailureReport(std::function<void(const std::string&)> report) {
  std::lock_guard lock(mutex_);
  report_ = std::move(report);
}

long long StateWriter::failedWrites() {
  std::lock_guard lock(mutex_);
  return failures_;
}

void StateWriter::submit(StateSet set) {
  {
    std::lock_guard lock(mutex_);
    const bool replacesLast =
        !pending_.empty() && std::all_of(pending_.back().begin(), pending_.back().end(),
                                         [&set](const auto& file) { return set.files_.count(file.first) > 0; });
    if (replacesLast) {
      pending_.back() = std::move(set.files_);
    } else if (pending_.size() >= kMostWaitingSets) {
      // A writer far behind (a slow disk, sets of ever other files) keeps its memory bounded.
      for (auto& [path, bytes] : set.files_) pending_.back()[path] = std::move(bytes);
    } else {
      pending_.push_back(std::move(set.files_));
    }
    if (!thread_.joinable()) thread_ = std::thread([this] { loop(); });
  }
  changed_.notify_all();
}

void StateWriter::drain() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return pending_.empty() && !writing_; });
}

void StateWriter::drain(const std::string& path) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] {
    return !inFlight_.count(path) &&
           std::none_of(pending_.begin(), pending_.end(), [&path](const auto& set) { return set.count(path) > 0; });
  });
}

void StateWriter::loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
    if (pending_.empty()) return;  // stopping, with nothing left to write
    inFlight_ = std::move(pending_.front());
    pending_.pop_front();
    writing_ = true;
    lock.unlock();
    const std::string failure = writeSet(inFlight_);
    lock.lock();
    inFlight_.clear();
    writing_ = false;
    // A full disk fails every save until space is made: the player hears of it once, not per run.
    if (!failure.empty()) ++failures_;
    if (failure.empty()) {
      failing_ = false;
    } else if (!failing_) {
      failing_ = true;
      std::cerr << "taluvin: " << failure << '\n';
      if (report_) report_(failure);
    }
    changed_.notify_all();
  }
}

bool StateWriter::alreadyOnDisk(const std::string& target, const std::string& bytes) {
  const auto stamp = fileStampOf(target);
  if (!stamp || stamp->size != static_cast<int64_t>(bytes.size())) return false;
  auto known = written_.find(target);
  if (known != written_.end() && known->second.stamp == *stamp) return known->second.hash == hashOf(bytes);
  // Not written by us, or changed since: the bytes on disk decide.
  std::ifstream in(target, std::ios::binary);
  std::string onDisk(bytes.size(), '\0');
  if (!in.read(onDisk.data(), static_cast<std::streamsize>(onDisk.size())) || in.peek() != EOF || onDisk != bytes)
    return false;
  remember(target, bytes);
  return true;
}

void StateWriter::remember(const std::string& target, const std::string& bytes) {
  const auto stamp = fileStampOf(target);
  if (!stamp) {
    written_.erase(target);
    return;
  }
  written_[target] = {hashOf(bytes), *stamp};
}

std::string StateWriter::writeSet(const std::map<std::string, std::string>& allFiles) {
  // A file already holding its bytes is left alone; the rest of the set still lands together.
  std::map<std::string, const std::string*> files;
  for (const auto& [target, bytes] : allFiles)
    if (!alreadyOnDisk(target, bytes)) files.emplace(target, &bytes);
  std::vector<Temporary> temps;
  auto discard = [&temps] {
    for (const auto& t : temps) ::unlink(t.path.c_str());
  };
  for (const auto& [target, bytesOf] : files) {
    const std::string& bytes = *bytesOf;
    // mkstemp creates the temporary exclusively: a name planted in the folder, a symlink above all,
    // is never opened, so a save can never write through it.
    std::string name = target + kTempMark + "XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
      const std::string reason = std::strerror(errno);
      discard();
      return "could not save " + baseName(target) + ": " + reason;
    }
    temps.push_back({target, name});
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
    const bool ok = writeAllBytes(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!ok) {
      discard();
      return "could not save " + baseName(target) + ": " + std::strerror(error);
    }
  }
  std::set<std::string> folders;
  for (const auto& t : temps) folders.insert(folderName(t.target));
  // With every file of the set in one folder (always, for a game) the renames are journalled first.
  std::string journal;
  if (temps.size() > 1 && folders.size() == 1) {
    std::string lines;
    for (const auto& t : temps) lines += baseName(t.path) + '\t' + baseName(t.target) + '\n';
    journal = *folders.begin() + kJournal;
    std::string name = journal + kTempMark + "XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    const bool ok = fd >= 0 && writeAllBytes(fd, lines) && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0) ::close(fd);
    if (!ok || ::rename(name.c_str(), journal.c_str()) != 0) {
      const std::string reason = std::strerror(ok ? errno : error);
      ::unlink(name.c_str());
      discard();
      return "could not save " + baseName(temps.front().target) + ": " + reason;
    }
    syncFolder(*folders.begin());
  }
  for (size_t i = 0; i < temps.size(); ++i) {
    if (::rename(temps[i].path.c_str(), temps[i].target.c_str()) != 0) {
      const std::string reason = std::strerror(errno);
      for (size_t j = i; j < temps.size(); ++j) ::unlink(temps[j].path.c_str());
      if (!journal.empty()) ::unlink(journal.c_str());
      return "could not save " + baseName(temps[i].target) + ": " + reason;
    }
  }
  for (const auto& folder : folders) syncFolder(folder);
  if (!journal.empty()) ::unlink(journal.c_str());
  for (const auto& [target, bytes] : files) remember(target, *bytes);
  return {};
}

void StateWriter::completeCutShortSet(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  const std::string folder = folderName(nativePath(paths.front()));
  const std::string journal = folder + kJournal;
  std::ifstream in(journal, std::ios::binary);
  if (!in) return;
  std::set<std::string> targets;
  for (const auto& p : paths) targets.insert(baseName(nativePath(p)));
  // Only the renames a save of these very files could have journalled are carried out: a journal
  // shipped with a game cannot move any other file.
  std::string line;
  while (std::getline(in, line)) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const std::string temp = line.substr(0, tab), target = line.substr(tab + 1);
    const bool wellFormed = targets.count(target) && temp.size() == target.size() + sizeof kTempMark - 1 + 6 &&
                            temp.compare(0, target.size() + sizeof kTempMark - 1, target + kTempMark) == 0;
    struct stat st {};
    if (wellFormed && ::lstat((folder + temp).c_str(), &st) == 0 && S_ISREG(st.st_mode))
      ::rename((folder + temp).c_str(), (folder + target).c_str());
  }
  in.close();
  syncFolder(folder);
  ::unlink(journal.c_str());
}

void StateWriter::removeLeftoverTemporaries(const std::vector<std::string>& paths) {
  namespace fs = std::filesystem;
  instance().drain();
  completeCutShortSet(paths);
  std::vector<std::string> targets;
  for (const auto& given : paths) targets.push_back(nativePath(given));
  if (!targets.empty()) targets.push_back(folderName(targets.front()) + kJournal);
  for (const auto& target : targets) {
    const std::string prefix = baseName(target) + kTempMark;
    std::error_code ec;
    for (fs::directory_iterator it(folderName(target), ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0) {
        std::error_code ignored;
        fs::remove(it->path(), ignored);  // a symlink is removed itself, never what it points to
      }
    }
  }
}

}  // namespace taluvin
