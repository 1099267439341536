// SoundCache: effects decoded once into the device's format and kept by path, within a byte budget.
#pragma once

#include "state/path_cache.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct Mix_Chunk;

namespace taluvin {

// A click plays the same few files over and over: decoding and converting one each press costs
// more than the rest of the press. A file changed on disk (other size or change time) is decoded
// again, so a game that rewrites its sounds is heard as it is now.
class SoundCache {
 public:
  explicit SoundCache(size_t byteBudget);
  SoundCache(const SoundCache&) = delete;
  SoundCache& operator=(const SoundCache&) = delete;

  // The chunk of a native path, decoded now or kept from before; null when it cannot be read or is
  // past the effect limits (services/effect_limits.h). The chunk stays valid until the next
  // chunk() or clear(); a chunk still playing is never evicted for another, since freeing it
  // would cut it off.
  Mix_Chunk* chunk(const std::string& path);
  // Frees every chunk; needed before the device closes, whose format the chunks are in.
  void clear();

  size_t bytes() const { return cache_.bytes(); }
  size_t count() const { return cache_.count(); }
  bool holds(const std::string& path) const { return cache_.holds(path); }

 private:
  PathCache<Mix_Chunk*> cache_;
};

}  // namespace taluvin
