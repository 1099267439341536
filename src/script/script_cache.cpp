// Script files kept parsed by path, with a stat at each use.
#include "script/script_cache.h"

#include "state/state_writer.h"
#include "state/text_file.h"

#include <sys/stat.h>

namespace taluvin {

namespace {
// A game keeps a few dozen scripts; a folder of thousands is read again once the cache is full.
constexpr size_t kMaxScripts = 4096;
}  // namespace

bool ScriptCache::stampOf(const std::string& path, Stamp& stamp) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  stamp.size = static_cast<int64_t>(info.st_size);
  stamp.modifiedNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  stamp.changedNs = static_cast<int64_t>(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec;
  stamp.inode = static_cast<uint64_t>(info.st_ino);
  return true;
}

std::shared_ptr<const ParsedScript> ScriptCache::load(const std::string& path) {
  // A file the state writer still holds must be seen as written.
  StateWriter::instance().drain(nativePath(path));
  Stamp stamp;
  if (!stampOf(path, stamp)) {
    entries_.erase(path);
    return nullptr;
  }
  if (auto found = entries_.find(path); found != entries_.end() && found->second.stamp == stamp)
    return found->second.script;
  ++reads_;
  auto script = parse(std::make_shared<const Lines>(readLines(path)));
  if (entries_.size() >= kMaxScripts) entries_.clear();
  entries_[path] = {stamp, script};
  return script;
}

std::shared_ptr<const ParsedScript> ScriptCache::parse(std::shared_ptr<const Lines> lines) const {
  return std::make_shared<const ParsedScript>(std::move(lines), commands_);
}

}  // namespace taluvin
