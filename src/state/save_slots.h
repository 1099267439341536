// Save slots: copies of a game's state files in the user's data folder, written whole and restored checked.
#pragma once

#include "state/slot_manifest.h"

#include <string>
#include <vector>

namespace taluvin {

struct GameSession;

// A folder of the player's own data, $XDG_DATA_HOME/taluvin/KIND/ for an absolute XDG_DATA_HOME, else
// $HOME/.local/share/taluvin/KIND/. Empty, with problem said, when neither gives a folder.
std::string playerDataFolder(const std::string& kind, std::string& problem);
// One game's folder under it: the game's name (Windows-1252) + "/".
std::string gameDataFolder(const std::string& kind, const std::string& gameName, std::string& problem);

// Where every game's slots lie: $XDG_DATA_HOME/taluvin/saves/ for an absolute XDG_DATA_HOME, else
// $HOME/.local/share/taluvin/saves/. Empty, with problem said, when neither gives a folder.
std::string savesRootFolder(std::string& problem);
// The slots of the game named gameName (Windows-1252): the root + that name + "/".
std::string gameSavesFolder(const std::string& gameName, std::string& problem);

struct SlotListing {
  std::string name;     // "1", "2", ...
  std::string path;     // the slot's folder, ending with "/"
  SlotManifest manifest;
  std::string problem;  // why the slot cannot be restored (no manifest, garbled); empty when readable
};

// The slots of one game's folder in the order they were made; slots still being written, and
// anything else lying there, are left out.
std::vector<SlotListing> listSlots(const std::string& gameSavesFolder);

// Whether two folders are the same folder, however each is spelled.
bool sameFolder(const std::string& a, const std::string& b);

// A file a slot keeps beside the game's state: what the screen showed (pictures of its surfaces).
struct SlotExtra {
  std::string name;   // a plain file name in the slot
  std::string bytes;
};

struct SlotSaved {
  std::string name;   // the slot written
  std::string error;  // why nothing was saved
};

// A slot as it will be written: its manifest and its files (the state files, the extras, the picture).
struct SlotContents {
  SlotManifest manifest;
  std::vector<SlotExtra> files;
};

// What a slot of the open game holds now: the game's settings with lines 4 to 10 from the session,
// registers, object table and catalogue, then the extras, all recorded in the manifest with their
// sizes and checksums, and the thumbnail PNG when there is one. Built in memory only.
SlotContents slotContentsOf(const GameSession& session, const std::string& time, const std::string& thumbnailPng,
                            const std::vector<SlotExtra>& extras = {});

// Writes the contents as the next slot of folder (made when missing). The slot is built in a
// temporary folder, flushed, and renamed into place, so a slot is either whole or not there.
SlotSaved writeSlot(const std::string& folder, const SlotContents& contents);

// Copies the open game's state as the exit steps would write it (the game's settings with lines 4
// to 10 from the session, registers, object table and catalogue), the thumbnail PNG, the extras
// (recorded in the manifest with their sizes and checksums) and a manifest into the game's next slot.
// The slot is built in a temporary folder, flushed, and renamed into place, so a slot is either whole
// or not there.
SlotSaved saveToNextSlot(const GameSession& session, const std::string& time, const std::string& thumbnailPng,
                         const std::vector<SlotExtra>& extras = {});

struct SlotRestore {
  std::string label;  // "slot 3", or "the slot FOLDER" for a slot named by its folder
  std::string folder;  // the slot's folder, ending with "/"
  SlotManifest manifest;
  std::string error;  // why the slot is refused; nothing was written then
};

// The slot named by ref (a slot number of the game, or the path of a slot folder) read whole and
// checked as a save of the game gameName in gameFolder: every file it lists there with the bytes it
// recorded. With write, the game's settings, registers, object table and catalogue, and lines 7 to 10
// of the program's settings file, are handed to the state writer as one set and are on disk when
// this returns.
SlotRestore restoreSlot(const std::string& gameFolder, const std::string& programName, const std::string& gameName,
                        const std::string& ref, bool write);

// The same for a slot folder already found (ending with "/"), named in messages by label.
SlotRestore restoreSlotFolder(const std::string& gameFolder, const std::string& programName,
                              const std::string& gameName, const std::string& slotFolder, const std::string& label,
                              bool write);

// The bytes of an extra the restored slot lists, when it is there whole as the manifest recorded it;
// empty otherwise (slots saved before it was kept have none).
std::string slotExtra(const SlotRestore& restored, const std::string& name);

}  // namespace taluvin
