// One stat per look, shared by every cache of game files and by the state writer.
#include "state/file_stamp.h"

#include <sys/stat.h>

namespace taluvin {

std::optional<FileStamp> fileStampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  FileStamp stamp;
  stamp.size = static_cast<int64_t>(info.st_size);
  stamp.modifiedNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  stamp.changedNs = static_cast<int64_t>(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec;
  stamp.inode = static_cast<uint64_t>(info.st_ino);
  return stamp;
}

}  // namespace taluvin
