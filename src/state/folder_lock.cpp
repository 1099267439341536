// The folder's lock: flock on the folder's own descriptor.
#include "state/folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace taluvin {

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

std::string FolderLock::take(const std::string& folder) {
  if (fd_ >= 0) return {};
  // Not inherited: a browser the game opens must not keep the folder locked after the player ends.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return {};
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    fd_ = fd;
    return {};
  }
  const bool inUse = errno == EWOULDBLOCK;
  ::close(fd);
  if (!inUse) return {};
  return "the game folder " + folder + " is in use by another player; only one player may play from a folder";
}

}  // namespace taluvin
