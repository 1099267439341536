// The one resolver every script-named file goes through; it keeps names inside the game folder.
#pragma once

#include "state/folder_names.h"

#include <optional>
#include <string>
#include <vector>

namespace taluvin {

// Joins folder and a name a script gave, as the name's author meant it: "\" separates folders as
// "/" does, and a name that does not exist as written finds the file whose name differs only in
// letter case, part by part (the one spelled exactly wins, else the first in byte order). A name
// that exists in no case keeps the folders found and the rest as written, so a new file is
// created under the name given. A name that is absolute, climbs out of the folder with "..", holds
// NUL, or really leads out of it (a symlink, followed to its end, to a file or folder elsewhere)
// gives nothing, so the command reports the file as missing. An empty folder is the working folder.
// `names` keeps the folder listings the lookups read (see FolderNames).
std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name, FolderNames& names);
// The same with listings of its own, read for this one lookup: for tools outside a running game.
std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name);

// How a name was found, for an author's warnings.
struct NameLookup {
  std::optional<std::string> path;  // what resolveInFolder gives
  // The name as the folder spells it (UTF-8, "/" between folders) when it differs from the name
  // given in letter case or encoding; empty otherwise.
  std::string foundAs;
  // Other names of the folder (UTF-8, as spelled there) that differ from the one taken only in
  // letter case, in byte order.
  std::vector<std::string> alsoThere;
};
NameLookup lookUpName(const std::string& folder, const std::string& name, FolderNames& names);

// The native path of a name scripts or settings give (Windows-1252 text, "\" read as "/") in
// folder (a native path ending with its separator). Only the name is converted: the folder's bytes
// are the file system's own, whatever letters they spell. No check of where the name leads, nor of
// its letter case; see resolveInFolder.
std::string joinInFolder(const std::string& folder, const std::string& name);

// Whether a game name (settings line 4) names files in the folder only: no separator, "..",
// drive or NUL, so the game's own files cannot be read or written anywhere else.
bool isPlainGameName(const std::string& name);

// The folder of a file path, ending with the separator.
std::string folderOf(const std::string& path);

}  // namespace taluvin
