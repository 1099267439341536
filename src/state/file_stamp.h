// FileStamp: what a look at a file tells of whether it changed since it was last read or written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace taluvin {

// Size, modification and status-change times and inode: a file edited in place changes its times,
// one replaced by a rename its inode, so a copy kept in memory is known stale without reading it.
struct FileStamp {
  int64_t size = -1;
  int64_t modifiedNs = 0;
  int64_t changedNs = 0;
  uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file (symlinks followed), or nothing when there is none at path.
std::optional<FileStamp> fileStampOf(const std::string& path);

}  // namespace taluvin
