// The games library: the games folder's games, bringing one in, removing one, noting a play.
#pragma once

#include "app/library/library_index.h"

#include <string>
#include <vector>

namespace taluvin {

struct LibraryGame {
  std::string name;    // its folder's name in the games folder
  std::string folder;  // that folder, ending with "/"
  LibraryRecord record;
};

// The games of the games folder in byte order of their names, each with what the index knows of
// it. Folders being unpacked and other hidden ones are left out.
std::vector<LibraryGame> listLibrary(const std::string& gamesFolder, const LibraryIndex& index);

// Whether path names a zip archive: a file whose name ends with ".zip" in any letter case.
bool isArchivePath(const std::string& path);

// The name a game brought in from path takes: the archive's or folder's own name, less ".zip",
// as UTF-8 (another encoding decoded as an archive's entry names are), with separators, control
// characters and the letters Windows refuses in names turned into "_", without leading dots or
// blanks, at most 100 bytes; "game" when nothing is left.
std::string libraryName(const std::string& path);

// What to do when the games folder already has a game of the name a new one takes.
enum class SameName { AddSuffix, Replace };

struct AddedGame {
  std::string name;
  std::string folder;  // ending with "/"; "" when nothing was added
  std::string error;   // one line: why not
  bool alreadyThere = false;  // the same archive was added before, as `name`: nothing new was written
  std::vector<std::string> leftOut;
  std::string settingsFrom;
};

// Brings a zip archive or a game folder into the games folder and into the index. An archive whose
// contents were added before (same SHA-256) is not unpacked again: its game is given. Another game
// under the same name keeps it and the new one takes the first free "NAME-2", "NAME-3", …, or
// replaces it once the new one is whole.
AddedGame addToLibrary(const std::string& source, SameName sameName, const std::string& programName);

// The game's name when folder (ending with "/") is a game of the games folder, else "".
std::string libraryGameOf(const std::string& folder);

// Notes in the index that the game was played now and reached the place given (Windows-1252, as
// the settings hold it; "" keeps the place noted before).
void notePlayed(const std::string& name, const std::string& place);

// Removes the game's folder from the games folder and its record from the index; only a folder
// directly in the games folder, never a link, is removed. "" when done, else why not.
std::string removeFromLibrary(const std::string& name);

// The SHA-256 of a file's bytes in hex; "" when it cannot be read.
std::string fileHash(const std::string& path);

}  // namespace taluvin
