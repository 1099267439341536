// The games library's index: when each game of the games folder was last played, where, and whence it came.
#pragma once

#include <string>
#include <vector>

namespace taluvin {

struct LibraryRecord {
  std::string name;        // the game's folder in the games folder
  long long lastPlayed = 0;  // seconds since 1970; 0 never
  std::string place;       // the script of the place reached (settings line 10), UTF-8
  std::string sourceHash;  // SHA-256 of the archive it was unpacked from, hex; "" for a folder
  std::string source;      // the archive or folder it came from
};

// Kept in the player's data folder as "library.txt", one game a line, written whole by the state
// writer (a temporary renamed over it), so a reader sees the old index or the new, never half. Two
// programs writing it at once: the later one's index stands.
class LibraryIndex {
 public:
  // Reads the index of the data folder (ending with "/"); a missing or garbled one reads as empty.
  explicit LibraryIndex(std::string dataFolder);

  const std::vector<LibraryRecord>& records() const { return records_; }
  const LibraryRecord* find(const std::string& name) const;
  const LibraryRecord* findSource(const std::string& sourceHash) const;
  // The record of that game, made when missing.
  LibraryRecord& record(const std::string& name);
  void remove(const std::string& name);

  // "" when written; otherwise why not.
  std::string save() const;

 private:
  std::string path_;
  std::vector<LibraryRecord> records_;
};

}  // namespace taluvin
