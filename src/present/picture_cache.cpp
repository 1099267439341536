// Decoded pictures kept by path, checked against the file at each use, least recently used evicted first.
#include "present/picture_cache.h"

namespace taluvin {

// One stat per use: cheap next to decoding, and it sees a file replaced or rewritten in place.
PictureLoad PictureCache::load(const std::string& path) { return load(path, path); }

PictureLoad PictureCache::load(const std::string& path, std::string_view writtenName) {
  // A name that chooses no decoder shows nothing, even when the file it found was shown before
  // under a name that did.
  if (!choosesPictureDecoder(writtenName)) return loadPictureFile(path, writtenName);
  const std::optional<FileStamp> stamp = fileStampOf(path);
  {
    std::lock_guard lock(mutex_);
    if (!stamp) {
      cache_.forget(path);
    } else if (const QImage* kept = cache_.find(path, *stamp)) {
      PictureLoad load;
      load.image = *kept;
      return load;
    }
    ++decodes_;
  }
  // Decoded outside the lock: it is the slow part, and the decoders share nothing.
  PictureLoad load = loadPictureFile(path, writtenName);
  if (!load.ok() || !stamp) return load;
  const size_t bytes = static_cast<size_t>(load.image.sizeInBytes());
  // A picture that would push out everything else is drawn and let go.
  if (bytes > cache_.budget()) return load;
  std::lock_guard lock(mutex_);
  cache_.keep(path, *stamp, load.image, bytes);
  return load;
}

void PictureCache::forget(const std::string& path) {
  std::lock_guard lock(mutex_);
  cache_.forget(path);
}

void PictureCache::clear() {
  std::lock_guard lock(mutex_);
  cache_.clear();
}

size_t PictureCache::bytes() const {
  std::lock_guard lock(mutex_);
  return cache_.bytes();
}

size_t PictureCache::count() const {
  std::lock_guard lock(mutex_);
  return cache_.count();
}

bool PictureCache::holds(const std::string& path) const {
  std::lock_guard lock(mutex_);
  return cache_.holds(path);
}

uint64_t PictureCache::decodes() const {
  std::lock_guard lock(mutex_);
  return decodes_;
}

PictureCache& pictureCache() {
  static PictureCache cache;
  return cache;
}

}  // namespace taluvin
