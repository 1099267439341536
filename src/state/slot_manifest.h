// The manifest of a save slot: what the slot holds and whose it is, written and read as plain lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taluvin {

// A copied state file: its name in the slot (the game's own file name) and what it must read as.
struct SlotFileEntry {
  std::string name;
  std::uint64_t size = 0;
  std::uint64_t checksum = 0;
};

struct SlotManifest {
  std::string game;    // GameName, Windows-1252 as the settings hold it
  std::string folder;  // the game folder the slot was saved from, native
  std::string time;    // local "yyyy-mm-dd hh:mm:ss" of the save
  // The program settings lines 7 to 10 at the save: Script, RetScp, Objeto and Posic (the place).
  std::string script, retScp, objeto, posic;
  std::string thumbnail;  // a picture beside the manifest; empty when there is none
  std::string label;      // the name the player gave the slot (UTF-8); empty: none given
  std::vector<SlotFileEntry> files;

  const SlotFileEntry* file(const std::string& name) const;
};

inline constexpr const char* kSlotManifestName = "manifest.txt";
// A manifest is a few hundred bytes; anything much larger is not one, and is not read whole.
inline constexpr std::size_t kMaxSlotManifestBytes = 64 * 1024;
inline constexpr std::size_t kMaxSlotFiles = 16;
// Bounds what restoring a slot may read into memory, per file.
inline constexpr std::uint64_t kMaxSlotFileBytes = std::uint64_t{512} << 20;

std::string formatSlotManifest(const SlotManifest& manifest);

// Fills manifest from the text of a manifest file; gives why the text is not a usable manifest
// ("line 4: ..."), or nothing.
std::string parseSlotManifest(std::string_view text, SlotManifest& manifest);

// What a slot records of each file's bytes, so a file cut short or changed is noticed (FNV-1a, 64 bits).
std::uint64_t slotChecksum(std::string_view bytes);

// A name that stays inside the slot's folder: no separator, no "..", no NUL, not empty.
bool isPlainSlotFileName(std::string_view name);

}  // namespace taluvin
