// PathCache: what was read from game files, kept by path within a byte budget and tied to the file's stamp.
#pragma once

#include "state/file_stamp.h"

#include <cstddef>
#include <functional>
#include <iterator>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>

namespace taluvin {

// Decoded pictures and sounds are kept the same way: by path, each with the stamp its file had
// when it was read, so a file changed on disk is read again; within a byte budget, the least
// recently used let go first. Not locked: a cache used from several threads locks around it.
template <typename Value>
class PathCache {
 public:
  // release: what letting a value go takes (freeing what it holds). mayLetGo: whether eviction may
  // take this value now; one it may not take is passed over.
  using Release = std::function<void(Value&)>;
  using MayLetGo = std::function<bool(const Value&)>;

  explicit PathCache(size_t byteBudget, Release release = {}, MayLetGo mayLetGo = {})
      : budget_(byteBudget), release_(std::move(release)), mayLetGo_(std::move(mayLetGo)) {}
  ~PathCache() { clear(); }
  PathCache(const PathCache&) = delete;
  PathCache& operator=(const PathCache&) = delete;

  size_t budget() const { return budget_; }

  // The value kept for path if its file still has this stamp, now the most recently used; a value
  // kept for another stamp is let go, and the answer is null.
  Value* find(const std::string& path, const FileStamp& stamp) {
    const auto found = entries_.find(path);
    if (found == entries_.end()) return nullptr;
    const typename Order::iterator entry = found->second;
    if (!(entry->stamp == stamp)) {
      drop(entry);
      return nullptr;
    }
    order_.splice(order_.begin(), order_, entry);
    return &entry->value;
  }

  // Keeps value for path in place of any kept before, letting the least recently used go until it
  // fits the budget (or nothing more may go).
  Value& keep(const std::string& path, const FileStamp& stamp, Value value, size_t bytes) {
    forget(path);
    auto entry = order_.end();
    while (bytes_ + bytes > budget_ && entry != order_.begin()) {
      --entry;
      if (mayLetGo_ && !mayLetGo_(entry->value)) continue;
      drop(entry++);
    }
    order_.push_front(Entry{path, stamp, std::move(value), bytes});
    entries_.emplace(path, order_.begin());
    bytes_ += bytes;
    return order_.front().value;
  }

  void forget(const std::string& path) {
    if (const auto found = entries_.find(path); found != entries_.end()) drop(found->second);
  }
  void clear() {
    while (!order_.empty()) drop(order_.begin());
  }

  size_t bytes() const { return bytes_; }
  size_t count() const { return entries_.size(); }
  bool holds(const std::string& path) const { return entries_.contains(path); }

 private:
  struct Entry {
    std::string path;
    FileStamp stamp;
    Value value;
    size_t bytes = 0;
  };
  using Order = std::list<Entry>;  // most recently used first

  void drop(typename Order::iterator entry) {
    if (release_) release_(entry->value);
    bytes_ -= entry->bytes;
    entries_.erase(entry->path);
    order_.erase(entry);
  }

  size_t budget_;
  Release release_;
  MayLetGo mayLetGo_;
  size_t bytes_ = 0;
  Order order_;
  std::unordered_map<std::string, typename Order::iterator> entries_;
};

}  // namespace taluvin
