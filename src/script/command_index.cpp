// The keyword index built over the dispatch table.
#include "script/command_entry.h"

#include <stdexcept>

namespace taluvin {

CommandIndex::CommandIndex(std::vector<CommandEntry> entries) : entries_(std::move(entries)) {
  // Three quarters full at most, so every miss still meets an empty slot.
  size_t words = 0;
  for (const auto& entry : entries_) words += entry.keywords.size();
  if (words > kSize * 3 / 4) throw std::length_error("too many keywords for the command index");
  for (const auto& entry : entries_)
    if (!entry.handler) throw std::invalid_argument("a command row without a handler");
  for (size_t i = 0; i < entries_.size(); ++i)
    for (auto word : entries_[i].keywords) insert(word, static_cast<int>(i));
}

void CommandIndex::insert(std::string_view word, int entry) {
  size_t slot = hash(word) & kMask;
  while (slots_[slot].entry >= 0) slot = (slot + 1) & kMask;
  slots_[slot] = {word, entry};
}

}  // namespace taluvin
