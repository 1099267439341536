// Script files kept parsed by path, with a stat at each use.
#include "script/script_cache.h"

#include "state/state_writer.h"
#include "state/text_file.h"

#include <algorithm>

namespace taluvin {

std::shared_ptr<const ParsedScript> ScriptCache::load(const std::string& path) {
  // A file the state writer still holds must be seen as written.
  StateWriter::instance().drain(nativePath(path));
  const std::optional<FileStamp> stamp = fileStampOf(path);
  if (!stamp) {
    entries_.forget(path);
    return nullptr;
  }
  if (const auto* kept = entries_.find(path, *stamp)) return *kept;
  ++reads_;
  auto script = parse(std::make_shared<const Lines>(readLines(path)));
  // Weighed by the file's size: a folder of thousands of scripts keeps those last used.
  entries_.keep(path, *stamp, script, static_cast<size_t>(std::max<int64_t>(stamp->size, 1)));
  return script;
}

std::shared_ptr<const ParsedScript> ScriptCache::parse(std::shared_ptr<const Lines> lines) const {
  return std::make_shared<const ParsedScript>(std::move(lines), commands_);
}

}  // namespace taluvin
