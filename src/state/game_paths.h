// The one resolver every script-named file goes through; it keeps names inside the game folder.
#pragma once

#include <optional>
#include <string>

namespace taluvin {

// Joins folder and a name a script gave. A name that is absolute, climbs out of the folder with
// "..", or really leads out of it (a symlink, followed to its end, to a file or folder elsewhere)
// gives nothing, so the command reports the file as missing. A file not yet written counts by its
// existing parent folder. An empty folder is the working folder.
std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name);

// The native path of a name scripts or settings give (Windows-1252 text) in folder (a native
// path ending with its separator). Only the name is converted: the folder's bytes are the file
// system's own, whatever letters they spell. No check of where the name leads; see resolveInFolder.
std::string joinInFolder(const std::string& folder, const std::string& name);

// Whether a game name (settings line 4) names files in the folder only: no separator, "..",
// drive or NUL, so the game's own files cannot be read or written anywhere else.
bool isPlainGameName(const std::string& name);

// The folder of a file path, ending with the separator.
std::string folderOf(const std::string& path);

}  // namespace taluvin
