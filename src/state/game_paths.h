// The one resolver every script-named file goes through; it keeps names inside the game folder.
#pragma once

#include <optional>
#include <string>

namespace taluvin {

// Joins folder and a name a script gave. A name that is absolute or climbs out of the folder
// with ".." gives nothing, so the command reports the file as missing.
std::optional<std::string> resolveInFolder(const std::string& folder, const std::string& name);

// The native path of a name scripts or settings give (Windows-1252 text) in folder (a native
// path ending with its separator). Only the name is converted: the folder's bytes are the file
// system's own, whatever letters they spell. No check of where the name leads; see resolveInFolder.
std::string joinInFolder(const std::string& folder, const std::string& name);

// The folder of a file path, ending with the separator.
std::string folderOf(const std::string& path);

}  // namespace taluvin
