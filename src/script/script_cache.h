// ScriptCache: script files kept parsed by path, read again when the file on disk changes.
#pragma once

#include "script/parsed_script.h"
#include "state/path_cache.h"

#include <cstdint>
#include <memory>
#include <string>

namespace taluvin {

class CommandIndex;

class ScriptCache {
 public:
  explicit ScriptCache(const CommandIndex& commands) : commands_(commands) {}

  // The parsed lines of the file at path (a native path the resolver gave), or nothing when there
  // is no such file. The file is looked at on every call: one whose size or change times differ
  // from the copy kept is read and parsed again, so a script edited while the game runs is seen
  // as the player would read it afresh.
  std::shared_ptr<const ParsedScript> load(const std::string& path);

  // Lines that came from elsewhere, parsed with the same table.
  std::shared_ptr<const ParsedScript> parse(std::shared_ptr<const Lines> lines) const;

  size_t reads() const { return reads_; }

 private:
  // Script text kept, in bytes of the files: more than a game's scripts come to, and its parsed
  // form a few times that.
  static constexpr size_t kBudget = size_t{8} << 20;

  const CommandIndex& commands_;
  PathCache<std::shared_ptr<const ParsedScript>> entries_{kBudget};
  size_t reads_ = 0;
};

}  // namespace taluvin
