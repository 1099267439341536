// Decoded effects kept by path, checked against the file at each use, least recently used evicted first.
#include "services/sound_cache.h"

#include "services/mixer_library.h"

namespace taluvin {

namespace {

bool playingSomewhere(const MixerLibrary& mix, const Mix_Chunk* chunk) {
  const int channels = mix.AllocateChannels(-1);
  for (int channel = 0; channel < channels; ++channel)
    if (mix.Playing(channel) && mix.GetChunk(channel) == chunk) return true;
  return false;
}

}  // namespace

// One stat per use: cheap next to decoding, and it sees a file replaced or rewritten in place.
Mix_Chunk* SoundCache::chunk(const std::string& path) {
  const std::optional<FileStamp> looked = fileStampOf(path);
  const bool readable = looked.has_value();
  const FileStamp stamp = looked.value_or(FileStamp{});
  if (auto found = entries_.find(path); found != entries_.end()) {
    Order::iterator entry = found->second;
    if (readable && entry->stamp == stamp) {
      order_.splice(order_.begin(), order_, entry);
      return entry->chunk;
    }
    drop(entry);
  }
  const MixerLibrary* mix = mixerLibrary();
  if (!readable || !mix) return nullptr;
  Mix_Chunk* decoded = mix->LoadWAV(path.c_str());
  if (!decoded) return nullptr;
  evictFor(decoded->alen);
  order_.push_front(Entry{path, stamp, decoded, decoded->alen});
  entries_.emplace(path, order_.begin());
  bytes_ += decoded->alen;
  return decoded;
}

// Only a loaded library makes chunks, so one is there to free them.
void SoundCache::drop(Order::iterator entry) {
  mixerLibrary()->FreeChunk(entry->chunk);
  bytes_ -= entry->bytes;
  entries_.erase(entry->path);
  order_.erase(entry);
}

void SoundCache::evictFor(size_t incoming) {
  auto entry = order_.end();
  while (bytes_ + incoming > budget_ && entry != order_.begin()) {
    --entry;
    if (playingSomewhere(*mixerLibrary(), entry->chunk)) continue;
    drop(entry++);
  }
}

void SoundCache::clear() {
  while (!order_.empty()) drop(order_.begin());
}

}  // namespace taluvin
