// FolderLock: one player at a time plays from a game folder.
#pragma once

#include <string>

namespace taluvin {

// Two players on one folder would each save over the other's state and remove the temporaries of
// the other's saves. The lock is the kernel's lock on the folder itself: no file is made for it, and
// it goes with the process that held it however that process ended.
class FolderLock {
 public:
  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Holds the folder (a native path) until this lock goes; "" then. Otherwise the one line saying
  // that another program plays from it. A folder whose file system cannot lock is played from
  // unlocked, as before there was a lock.
  std::string take(const std::string& folder);

 private:
  int fd_ = -1;
};

}  // namespace taluvin
