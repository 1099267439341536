// Bringing a game in from a zip archive or a folder: unpacked or copied beside its place, then renamed in whole.
#pragma once

#include "state/archive_unpack.h"

#include <optional>
#include <string>
#include <vector>

namespace taluvin {

// Where the game lies below folder (ending with "/"): the shallowest folder holding a start.scp and
// a settings file (any ".ini"), names in any letter case, the first in byte order among folders
// equally deep; "" is folder itself. Links are not followed. Nothing when there is no such folder.
std::optional<std::string> findGameRoot(const std::string& folder);

// A game made for a player of another name keeps its program settings under that name. When the
// folder has no programName + ".ini" in any case, the settings file whose line 4 names a game whose
// own settings file is there becomes it (a copy): one whose name is not that game's first, as it is
// the other player's own, else the game's own. Returns the name copied from; "" when nothing was
// needed or nothing fits.
std::string giveProgramSettings(const std::string& gameFolder, const std::string& programName);

struct ImportRequest {
  std::string source;      // a zip archive or a game folder
  bool archive = false;
  std::string parent;      // the folder the game goes into, ending with "/"; it must exist
  std::string name;        // the game's folder there, a plain name
  bool replace = false;    // a game already under that name is replaced once the new one is whole
  std::string programName; // whose settings file the game must have
  UnpackBudget budget;
};

struct ImportedGame {
  std::string folder;  // parent + name + "/" once the game is in place
  std::string error;   // one line saying why nothing was brought in
  std::vector<std::string> leftOut;  // entries or files not brought in (see UnpackResult)
  std::string settingsFrom;          // see giveProgramSettings
};

// Unpacks or copies the source into a temporary folder in parent (named ".unpacking-…" and held
// with a folder lock while it is written), finds the game in it, flushes it and renames the game's
// folder to parent + name, so a game under its name is always whole. What is left of the temporary
// goes. The archive is only read.
ImportedGame importGame(const ImportRequest& request);

// Removes folders in parent whose names start with prefix and that no program holds with a folder
// lock: what a program killed while unpacking, or while playing a fresh copy, left behind.
void removeLeftoverFolders(const std::string& parent, const std::string& prefix);

// The temporary folders importGame makes start with this.
inline constexpr const char* kUnpackingPrefix = ".unpacking-";

}  // namespace taluvin
