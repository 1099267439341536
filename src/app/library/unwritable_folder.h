// A game folder the player cannot write: offered as a copy in the games folder instead of failing every save.
#pragma once

#include <ostream>
#include <string>

namespace taluvin {

// Whether the program may create and replace files in the folder.
bool folderWritable(const std::string& folder);

// The folder to play when `folder` cannot be written. Asked in a dialog (ask): a copy brought into
// the games folder, or the folder as it is, whose saves then fail as they would. Not asked: one
// line on err suggesting --fresh or --add-game, and the folder as it is.
std::string folderToPlay(const std::string& folder, const std::string& programName, bool ask, std::ostream& err);

}  // namespace taluvin
