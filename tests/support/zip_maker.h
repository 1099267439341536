// Zip archives made byte by byte for the tests: names stored exactly as given, links, damage.
#pragma once

#include <string>
#include <vector>

namespace taluvin::testing {

struct ZipEntry {
  enum class Kind { File, Folder, Link };
  std::string name;  // the bytes stored, whatever their encoding
  std::string data;  // a file's bytes, or a link's target
  Kind kind = Kind::File;
  bool markedUtf8 = false;  // the flag that says the name is UTF-8
};

// A zip of stored (uncompressed) entries.
std::string makeZip(const std::vector<ZipEntry>& entries);
// A zip whose files are deflated, as archivers usually write them (names given as UTF-8).
std::string makeDeflatedZip(const std::vector<std::pair<std::string, std::string>>& files);

void writeFileBytes(const std::string& path, const std::string& bytes);

}  // namespace taluvin::testing
