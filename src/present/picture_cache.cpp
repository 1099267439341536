// Decoded pictures kept by path, checked against the file at each use, least recently used evicted first.
#include "present/picture_cache.h"


namespace taluvin {

// One stat per use: cheap next to decoding, and it sees a file replaced or rewritten in place.
PictureLoad PictureCache::load(const std::string& path) {
  const std::optional<FileStamp> looked = fileStampOf(path);
  const bool readable = looked.has_value();
  const FileStamp stamp = looked.value_or(FileStamp{});
  {
    std::lock_guard lock(mutex_);
    if (auto found = entries_.find(path); found != entries_.end()) {
      Order::iterator entry = found->second;
      if (readable && entry->stamp == stamp) {
        order_.splice(order_.begin(), order_, entry);
        PictureLoad kept;
        kept.image = entry->image;
        return kept;
      }
      drop(entry);
    }
    ++decodes_;
  }
  // Decoded outside the lock: it is the slow part, and the decoders share nothing.
  PictureLoad load = loadPictureFile(path);
  if (!load.ok() || !readable) return load;
  const size_t bytes = static_cast<size_t>(load.image.sizeInBytes());
  // A picture that would push out everything else is drawn and let go.
  if (bytes > budget_) return load;
  std::lock_guard lock(mutex_);
  if (auto found = entries_.find(path); found != entries_.end()) drop(found->second);
  evictFor(bytes);
  order_.push_front(Entry{path, stamp, load.image, bytes});
  entries_.emplace(path, order_.begin());
  bytes_ += bytes;
  return load;
}

void PictureCache::forget(const std::string& path) {
  std::lock_guard lock(mutex_);
  if (auto found = entries_.find(path); found != entries_.end()) drop(found->second);
}

void PictureCache::clear() {
  std::lock_guard lock(mutex_);
  while (!order_.empty()) drop(order_.begin());
}

size_t PictureCache::bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

size_t PictureCache::count() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

bool PictureCache::holds(const std::string& path) const {
  std::lock_guard lock(mutex_);
  return entries_.count(path) != 0;
}

uint64_t PictureCache::decodes() const {
  std::lock_guard lock(mutex_);
  return decodes_;
}

void PictureCache::drop(Order::iterator entry) {
  bytes_ -= entry->bytes;
  entries_.erase(entry->path);
  order_.erase(entry);
}

void PictureCache::evictFor(size_t incoming) {
  while (bytes_ + incoming > budget_ && !order_.empty()) drop(std::prev(order_.end()));
}

PictureCache& pictureCache() {
  static PictureCache cache;
  return cache;
}

}  // namespace taluvin
