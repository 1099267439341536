// PictureCache: decoded pictures kept by path within a byte budget, decoded again when the file changes.
#pragma once

#include "present/picture_file.h"
#include "state/path_cache.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

namespace taluvin {

// A click usually draws the pictures the click before drew; decoding them again costs more than
// the rest of the click. Each use checks the file's size and change time, so a picture rewritten
// on disk is shown as it is now. Pictures are handed out as shared QImages: whoever draws into one
// gets a copy of their own, and the cached pixels never change.
class PictureCache {
 public:
  static constexpr size_t kDefaultBudget = size_t{64} << 20;

  explicit PictureCache(size_t byteBudget = kDefaultBudget) : cache_(byteBudget) {}
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The picture at a native path, decoded now or kept from before. Failures are not kept, so a
  // file that was unreadable is tried again at its next use.
  PictureLoad load(const std::string& path);
  // The same with the decoder chosen by the name a game wrote (see loadPictureFile).
  PictureLoad load(const std::string& path, std::string_view writtenName);
  // Lets go of the path's picture (a picture too large to be worth its memory once drawn).
  void forget(const std::string& path);
  void clear();

  size_t bytes() const;
  size_t count() const;
  bool holds(const std::string& path) const;
  // How many loads decoded a file; the rest were answered from memory.
  uint64_t decodes() const;

 private:
  mutable std::mutex mutex_;
  PathCache<QImage> cache_;
  uint64_t decodes_ = 0;
};

// The cache every picture a game names is loaded through.
PictureCache& pictureCache();

}  // namespace taluvin
