// Renaming a slot rewrites its manifest whole; deleting one moves it aside before its files go.
#include "state/slot_edits.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

// Slot folders are numbers from 1 up with no leading zero, as the saver names them.
bool isSlotName(const std::string& name) {
  if (name.empty() || name.size() > 4 || name[0] == '0') return false;
  for (char c : name)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string slotFolder(const std::string& gameSavesFolder, const std::string& slot, std::string& problem) {
  if (!isSlotName(slot)) {
    problem = "there is no slot \"" + slot + "\": slots are numbers";
    return {};
  }
  const std::string folder = gameSavesFolder + slot;
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    problem = "there is no slot " + slot;
    return {};
  }
  return folder + "/";
}

std::string cleanLabel(const std::string& label) {
  std::string clean;
  for (char c : label) clean += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
  const size_t first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  clean = clean.substr(first, clean.find_last_not_of(' ') - first + 1);
  if (clean.size() > kMaxSlotLabelBytes) {
    clean.resize(kMaxSlotLabelBytes);
    // Not half a UTF-8 character at the cut.
    while (!clean.empty() && (static_cast<unsigned char>(clean.back()) & 0xC0) == 0x80) clean.pop_back();
    if (!clean.empty() && (static_cast<unsigned char>(clean.back()) & 0x80)) clean.pop_back();
  }
  return clean;
}

std::string replaceFile(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) return std::strerror(errno);
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  const bool ok = written == bytes.size() && ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  if (!ok || ::rename(temporary.c_str(), path.c_str()) != 0) {
    const int failure = ok ? errno : error;
    ::unlink(temporary.c_str());
    return std::strerror(failure);
  }
  return {};
}

}  // namespace

std::string slotTitle(const SlotManifest& m) {
  if (!m.label.empty()) return m.label;
  // The time without its seconds: enough to tell saves apart at a glance.
  const std::string when = m.time.size() > 16 ? m.time.substr(0, 16) : m.time;
  return (m.posic.empty() ? std::string("no place") : m.posic) + ", " + when;
}

std::string renameSlot(const std::string& gameSavesFolder, const std::string& slot, const std::string& label) {
  std::string problem;
  const std::string folder = slotFolder(gameSavesFolder, slot, problem);
  if (folder.empty()) return problem;
  const std::string path = folder + kSlotManifestName;
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<std::size_t>(st.st_size) > kMaxSlotManifestBytes)
    return "slot " + slot + " has no manifest that can be read";
  std::ifstream in(path, std::ios::binary);
  std::string text(static_cast<size_t>(st.st_size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  SlotManifest manifest;
  if (const std::string garbled = parseSlotManifest(text, manifest); !garbled.empty())
    return "slot " + slot + " is damaged (" + garbled + ")";
  manifest.label = cleanLabel(label);
  if (const std::string failed = replaceFile(path, formatSlotManifest(manifest)); !failed.empty())
    return "slot " + slot + " was not renamed: " + failed;
  return {};
}

std::string deleteSlot(const std::string& gameSavesFolder, const std::string& slot) {
  std::string problem;
  const std::string folder = slotFolder(gameSavesFolder, slot, problem);
  if (folder.empty()) return problem;
  // The saver's temporary mark: a leftover of a killed delete is swept like a half-written slot.
  const std::string aside = gameSavesFolder + ".tmp-deleted-" + slot + "-" + std::to_string(::getpid());
  if (::rename((gameSavesFolder + slot).c_str(), aside.c_str()) != 0)
    return "slot " + slot + " was not deleted: " + std::strerror(errno);
  std::error_code ec;
  fs::remove_all(aside, ec);
  return {};
}

}  // namespace taluvin
