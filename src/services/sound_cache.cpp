// Decoded effects kept by path, checked against the file at each use, least recently used evicted first.
#include "services/sound_cache.h"

#include "services/effect_limits.h"
#include "services/mixer_library.h"

namespace taluvin {

namespace {

// What remembering a file that cannot be played counts against the budget: it holds no sound, but
// must be let go like the rest.
constexpr size_t kRefusalBytes = 256;

bool playingSomewhere(const MixerLibrary& mix, const Mix_Chunk* chunk) {
  const int channels = mix.AllocateChannels(-1);
  for (int channel = 0; channel < channels; ++channel)
    if (mix.Playing(channel) && mix.GetChunk(channel) == chunk) return true;
  return false;
}

}  // namespace

// Only a loaded library makes chunks, so one is there to free them; a chunk still playing is
// passed over, since freeing it would cut it off. A file that cannot be played is kept as no chunk.
SoundCache::SoundCache(size_t byteBudget)
    : cache_(
          byteBudget,
          [](Mix_Chunk*& chunk) {
            if (chunk) mixerLibrary()->FreeChunk(chunk);
          },
          [](Mix_Chunk* const& chunk) { return !chunk || !playingSomewhere(*mixerLibrary(), chunk); }) {}

// One stat per use: cheap next to decoding, and it sees a file replaced or rewritten in place.
Mix_Chunk* SoundCache::chunk(const std::string& path) {
  const std::optional<FileStamp> stamp = fileStampOf(path);
  if (!stamp) {
    cache_.forget(path);
    return nullptr;
  }
  if (Mix_Chunk** kept = cache_.find(path, *stamp)) return *kept;
  const MixerLibrary* mix = mixerLibrary();
  if (!mix) return nullptr;
  // A refusal is remembered as well: the key click is asked for at every press, and a file refused
  // once is not read again until it changes.
  Mix_Chunk* decoded = loadBoundedEffect(*mix, path);
  return cache_.keep(path, *stamp, decoded, decoded ? decoded->alen : kRefusalBytes);
}

void SoundCache::clear() { cache_.clear(); }

}  // namespace taluvin
