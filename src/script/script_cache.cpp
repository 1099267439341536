// Script files kept parsed by path, with a stat at each use.
#include "script/script_cache.h"

#include "state/state_writer.h"
#include "state/text_file.h"


namespace taluvin {

namespace {
// A game keeps a few dozen scripts; a folder of thousands is read again once the cache is full.
constexpr size_t kMaxScripts = 4096;
}  // namespace

std::shared_ptr<const ParsedScript> ScriptCache::load(const std::string& path) {
  // A file the state writer still holds must be seen as written.
  StateWriter::instance().drain(nativePath(path));
  const std::optional<FileStamp> stamp = fileStampOf(path);
  if (!stamp) {
    entries_.erase(path);
    return nullptr;
  }
  if (auto found = entries_.find(path); found != entries_.end() && found->second.stamp == *stamp)
    return found->second.script;
  ++reads_;
  auto script = parse(std::make_shared<const Lines>(readLines(path)));
  if (entries_.size() >= kMaxScripts) entries_.clear();
  entries_[path] = {*stamp, script};
  return script;
}

std::shared_ptr<const ParsedScript> ScriptCache::parse(std::shared_ptr<const Lines> lines) const {
  return std::make_shared<const ParsedScript>(std::move(lines), commands_);
}

}  // namespace taluvin
