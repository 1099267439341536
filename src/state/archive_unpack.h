// Unpacking a zip archive into a folder: read-only on the archive, bounded, and never outside the folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace taluvin {

// What an archive may unpack to before it is refused as a whole. A zip bomb is caught by the ratio:
// the bytes unpacked may not pass ratio times the archive's own size once past the floor, which
// lets small archives of well-packed pictures through.
struct UnpackBudget {
  uint64_t maxEntries = 20000;
  uint64_t maxBytes = 2ULL * 1024 * 1024 * 1024;
  uint64_t maxRatio = 200;
  uint64_t ratioFloor = 64ULL * 1024 * 1024;
};

struct UnpackResult {
  // Empty when the archive was unpacked; otherwise one line saying why it was refused (damaged, not
  // a zip, past a budget, a file that could not be written). What was written stays for the caller
  // to remove with the folder.
  std::string error;
  // Entries left out, by their decoded names: climbing or absolute names, links leading out of the
  // folder, device files, names used twice.
  std::vector<std::string> leftOut;
  uint64_t files = 0;
  uint64_t bytes = 0;
};

// Unpacks the zip archive at archivePath into folder (an existing, empty folder of the caller's,
// ending with "/"). The archive is opened for reading only. Names are decoded as decodeEntryName
// says and written as UTF-8; files are made 0644 and folders 0755, whatever the archive says.
// Links whose target stays below their own folder are made after every file, so no file is
// written through one.
UnpackResult unpackArchive(const std::string& archivePath, const std::string& folder, const UnpackBudget& budget = {});
// The same for an archive held in memory.
UnpackResult unpackArchiveBytes(const void* data, size_t size, const std::string& folder,
                                const UnpackBudget& budget = {});

}  // namespace taluvin
