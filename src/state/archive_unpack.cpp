// Unpacking a zip with libarchive: each entry checked, counted and written below the folder only.
#include "state/archive_unpack.h"

#include "state/archive_names.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace taluvin {

namespace {

constexpr size_t kBlockBytes = 64 * 1024;

// libarchive converts names marked UTF-8 to the thread's character set; with UTF-8 there they reach
// decodeEntryName as stored, whatever locale the program started in.
class Utf8Names {
 public:
  Utf8Names() : utf8_(::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {
    if (utf8_) previous_ = ::uselocale(utf8_);
  }
  ~Utf8Names() {
    if (!utf8_) return;
    ::uselocale(previous_);
    ::freelocale(utf8_);
  }
  Utf8Names(const Utf8Names&) = delete;
  Utf8Names& operator=(const Utf8Names&) = delete;

 private:
  locale_t utf8_;
  locale_t previous_ = LC_GLOBAL_LOCALE;
};

std::string megabytes(uint64_t bytes) {
  if (bytes % (1024ULL * 1024 * 1024) == 0) return std::to_string(bytes / (1024ULL * 1024 * 1024)) + " GB";
  return std::to_string(bytes / (1024 * 1024)) + " MB";
}

bool writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// libarchive's reason on one line, so the player's message stays one line.
std::string reasonOf(archive* reader) {
  const char* text = archive_error_string(reader);
  std::string reason = text ? text : "no reason given";
  for (char& c : reason)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  while (!reason.empty() && reason.back() == ' ') reason.pop_back();
  return reason;
}

class Unpacker {
 public:
  Unpacker(archive* reader, std::string folder, const UnpackBudget& budget, uint64_t archiveSize)
      : reader_(reader), folder_(std::move(folder)), budget_(budget) {
    const uint64_t ratioLimit = archiveSize > budget.maxBytes / std::max<uint64_t>(budget.maxRatio, 1)
                                    ? budget.maxBytes
                                    : archiveSize * budget.maxRatio;
    ratioLimit_ = std::max(ratioLimit, budget.ratioFloor);
  }

  UnpackResult run() {
    for (bool first = true;; first = false) {
      archive_entry* entry = nullptr;
      const int status = archive_read_next_header(reader_, &entry);
      if (status == ARCHIVE_EOF) break;
      if (status < ARCHIVE_WARN) {
        fail(first ? "it is not a zip archive, or is damaged (" + libraryError() + ")"
                   : "it is damaged (" + libraryError() + ")");
        break;
      }
      if (++entries_ > budget_.maxEntries) {
        fail("it holds more than " + std::to_string(budget_.maxEntries) + " entries");
        break;
      }
      if (!take(entry)) break;
    }
    if (result_.error.empty()) makeLinks();
    return std::move(result_);
  }

 private:
  std::string libraryError() const { return reasonOf(reader_); }

  void fail(const std::string& why) {
    if (result_.error.empty()) result_.error = why;
  }

  void leaveOut(const std::string& name) { result_.leftOut.push_back(name); }

  // False once the archive as a whole is refused.
  bool take(archive_entry* entry) {
    const char* stored = archive_entry_pathname(entry);
    const std::string name = decodeEntryName(stored ? stored : "");
    const auto path = plainEntryPath(name);
    if (!path) {
      leaveOut(name);
      return true;
    }
    if (archive_entry_is_encrypted(entry)) {
      fail("it holds encrypted entries (" + name + "), which cannot be unpacked");
      return false;
    }
    switch (archive_entry_filetype(entry)) {
      case AE_IFDIR:
        if (!makeFolders(*path, true)) leaveOut(name);
        return true;
      case AE_IFLNK: {
        const char* target = archive_entry_symlink(entry);
        const std::string decoded = decodeEntryName(target ? target : "");
        if (linkStaysInside(decoded) && taken_.insert(*path).second)
          links_.emplace_back(*path, decoded);
        else
          leaveOut(name);
        return true;
      }
      case AE_IFREG:
        break;
      default:
        leaveOut(name);
        return true;
    }
    if (!taken_.insert(*path).second || !makeFolders(*path, false)) {
      leaveOut(name);
      return true;
    }
    if (const char* linked = archive_entry_hardlink(entry)) return copyLinked(name, *path, linked);
    return writeData(name, *path);
  }

  // Every folder on the way to path (and path itself when it is a folder). A file, or anything not a
  // plain folder, already standing where a folder must go leaves the entry out.
  bool makeFolders(const std::string& path, bool whole) {
    size_t end = whole ? path.size() : path.rfind('/');
    if (end == std::string::npos) return true;
    for (size_t at = 0; at != std::string::npos && at <= end;) {
      const size_t next = path.find('/', at);
      const size_t stop = next == std::string::npos || next > end ? end : next;
      const std::string folder = folder_ + path.substr(0, stop);
      if (::mkdir(folder.c_str(), 0755) != 0) {
        struct stat st {};
        if (errno != EEXIST || ::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
      }
      if (stop == end) break;
      at = next + 1;
    }
    return true;
  }

  bool count(uint64_t more) {
    result_.bytes += more;
    if (result_.bytes > budget_.maxBytes) {
      fail("it unpacks to more than " + megabytes(budget_.maxBytes));
      return false;
    }
    if (result_.bytes > ratioLimit_) {
      fail("it unpacks to more than " + std::to_string(budget_.maxRatio) + " times its own size, as a zip bomb does");
      return false;
    }
    return true;
  }

  int createFile(const std::string& name, const std::string& path) {
    const std::string full = folder_ + path;
    const int fd = ::open(full.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) fail("cannot write " + name + ": " + std::strerror(errno));
    return fd;
  }

  bool writeData(const std::string& name, const std::string& path) {
    const int fd = createFile(name, path);
    if (fd < 0) return false;
    ++result_.files;
    char block[kBlockBytes];
    bool ok = true;
    for (;;) {
      const la_ssize_t n = archive_read_data(reader_, block, sizeof block);
      if (n == 0) break;
      if (n < 0) {
        fail("it is damaged (" + name + ": " + libraryError() + ")");
        ok = false;
        break;
      }
      if (!count(static_cast<uint64_t>(n))) {
        ok = false;
        break;
      }
      if (!writeAll(fd, block, static_cast<size_t>(n))) {
        fail("cannot write " + name + ": " + std::strerror(errno));
        ok = false;
        break;
      }
    }
    if (::close(fd) != 0 && ok) {
      fail("cannot write " + name + ": " + std::strerror(errno));
      ok = false;
    }
    return ok;
  }

  // A hard link is made as a copy of the file it names, which must be one unpacked before it.
  bool copyLinked(const std::string& name, const std::string& path, const char* linked) {
    const auto source = plainEntryPath(decodeEntryName(linked));
    const int in = source ? ::open((folder_ + *source).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC) : -1;
    struct stat st {};
    if (in < 0 || ::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
      if (in >= 0) ::close(in);
      leaveOut(name);
      return true;
    }
    const int out = createFile(name, path);
    bool ok = out >= 0;
    if (ok) ++result_.files;
    char block[kBlockBytes];
    while (ok) {
      const ssize_t n = ::read(in, block, sizeof block);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      ok = count(static_cast<uint64_t>(n)) && writeAll(out, block, static_cast<size_t>(n));
      if (!ok && result_.error.empty()) fail("cannot write " + name + ": " + std::strerror(errno));
    }
    ::close(in);
    if (out >= 0) ::close(out);
    return ok;
  }

  void makeLinks() {
    for (const auto& [path, target] : links_) {
      if (!makeFolders(path, false) || ::symlink(target.c_str(), (folder_ + path).c_str()) != 0) leaveOut(path);
    }
  }

  archive* reader_;
  std::string folder_;
  UnpackBudget budget_;
  uint64_t ratioLimit_ = 0;
  uint64_t entries_ = 0;
  std::set<std::string> taken_;
  std::vector<std::pair<std::string, std::string>> links_;
  UnpackResult result_;
};

// Only the reader that starts from the central directory: the streaming one takes an archive cut
// short after its last whole entry for a complete one, and the directory is what zip tools trust.
archive* newZipReader() {
  archive* reader = archive_read_new();
  if (reader) archive_read_support_format_zip_seekable(reader);
  return reader;
}

UnpackResult unpackOpened(archive* reader, int openStatus, const std::string& folder, const UnpackBudget& budget,
                          uint64_t archiveSize) {
  UnpackResult result;
  if (openStatus != ARCHIVE_OK) {
    result.error = "it is not a zip archive, or cannot be read (" + reasonOf(reader) + ")";
  } else {
    result = Unpacker(reader, folder, budget, archiveSize).run();
  }
  archive_read_free(reader);
  return result;
}

}  // namespace

UnpackResult unpackArchive(const std::string& archivePath, const std::string& folder, const UnpackBudget& budget) {
  const Utf8Names names;
  struct stat st {};
  if (::stat(archivePath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    UnpackResult result;
    result.error = S_ISREG(st.st_mode) || st.st_mode == 0 ? "it cannot be read (" + std::string(std::strerror(errno)) + ")"
                                                          : std::string("it is not a file");
    return result;
  }
  archive* reader = newZipReader();
  if (!reader) return UnpackResult{"out of memory", {}, 0, 0};
  const int status = archive_read_open_filename(reader, archivePath.c_str(), kBlockBytes);
  return unpackOpened(reader, status, folder, budget, static_cast<uint64_t>(st.st_size));
}

UnpackResult unpackArchiveBytes(const void* data, size_t size, const std::string& folder, const UnpackBudget& budget) {
  const Utf8Names names;
  archive* reader = newZipReader();
  if (!reader) return UnpackResult{"out of memory", {}, 0, 0};
  const int status = archive_read_open_memory(reader, data, size);
  return unpackOpened(reader, status, folder, budget, size);
}

}  // namespace taluvin
