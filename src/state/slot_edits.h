// Naming and deleting save slots: the player's own changes to slots already written.
#pragma once

#include "state/slot_manifest.h"

#include <string>

namespace taluvin {

// What a list shows as a slot's name: the name the player gave it, else its place and time.
std::string slotTitle(const SlotManifest& manifest);

// Gives slot (a slot number in gameSavesFolder) the name label (UTF-8; line breaks become blanks,
// at most kMaxSlotLabelBytes are kept; an empty label gives back the default name). Only the manifest
// changes, replaced whole: a kill leaves the old name or the new one. Why it failed, or nothing.
std::string renameSlot(const std::string& gameSavesFolder, const std::string& slot, const std::string& label);

// Removes slot from gameSavesFolder. It is first moved aside under a temporary name, so a kill while
// its files go never leaves half a slot listed. Why it failed, or nothing.
std::string deleteSlot(const std::string& gameSavesFolder, const std::string& slot);

inline constexpr std::size_t kMaxSlotLabelBytes = 200;

}  // namespace taluvin
