// The game the command line names, made ready to play: a zip brought into the games folder, or a fresh copy.
#pragma once

#include "state/folder_lock.h"

#include <ostream>
#include <string>
#include <vector>

namespace taluvin {

// One line naming the entries an archive or a folder copy left out; "" when none was.
std::string leftOutNotice(const std::string& source, const std::vector<std::string>& leftOut);

// `taluvin GAME.zip`: the archive's game in the games folder, unpacked there the first time (a
// line on out says where) and played from there every time after. "" with one line on err when
// it cannot be.
std::string gameFromArchive(const std::string& archive, const std::string& programName, std::ostream& out,
                            std::ostream& err);

// --fresh: the game played from a copy in the player's fresh folder, which goes when this does
// (after every pending save has landed, so no write lands in a folder being removed), after a
// signal too, since those end the program through its exit steps. A copy a killed program left is
// removed at the next start of any program that plays.
class FreshCopy {
 public:
  FreshCopy() = default;
  ~FreshCopy();
  FreshCopy(const FreshCopy&) = delete;
  FreshCopy& operator=(const FreshCopy&) = delete;

  // Copies the game folder, or unpacks the archive, into a new folder of its own; returns the
  // game's folder there, or "" with one line on err.
  std::string make(const std::string& source, const std::string& programName, std::ostream& err);

 private:
  std::string run_;
  FolderLock hold_;
};

// Removes what programs killed while playing a fresh copy left in the fresh folder.
void removeFreshLeftovers();

}  // namespace taluvin
