// Refusing effects whose header or conversion would cost more than a game's sounds ever need.
#include "services/effect_limits.h"

#include "services/mixer_library.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace taluvin {

namespace {

// A wave file holds little before its format chunk; one hidden behind more chunks than this is
// left for the library to judge.
constexpr int kMostChunksBeforeFormat = 256;
constexpr long kFormatRateOffset = 4;

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

uint32_t le32(const unsigned char* bytes) {
  return bytes[0] | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

struct LibraryAllocator {
  SDL_malloc_func malloc = nullptr;
  SDL_calloc_func calloc = nullptr;
  SDL_realloc_func realloc = nullptr;
  SDL_free_func free = nullptr;
};

LibraryAllocator libraryAllocator;
// Only the thread loading an effect is bounded: the audio thread mixing meanwhile must never be
// refused what it asks for.
thread_local bool loadingEffect = false;
thread_local bool refusedAllocation = false;

bool refuse(size_t count, size_t size) {
  if (!loadingEffect || size == 0 || count <= kMostEffectBytes / size) return false;
  refusedAllocation = true;
  return true;
}

void* SDLCALL boundedMalloc(size_t size) { return refuse(1, size) ? nullptr : libraryAllocator.malloc(size); }
void* SDLCALL boundedCalloc(size_t count, size_t size) {
  return refuse(count, size) ? nullptr : libraryAllocator.calloc(count, size);
}
// A buffer grown piece by piece as a decoder delivers the sound is stopped at the bound as well;
// the library frees it when the growth fails.
void* SDLCALL boundedRealloc(void* memory, size_t size) {
  return refuse(1, size) ? nullptr : libraryAllocator.realloc(memory, size);
}

// Bounds the allocations made while it lives, and tells afterwards whether one was refused.
class EffectLoadScope {
 public:
  EffectLoadScope() {
    loadingEffect = true;
    refusedAllocation = false;
  }
  ~EffectLoadScope() { loadingEffect = false; }
  EffectLoadScope(const EffectLoadScope&) = delete;
  EffectLoadScope& operator=(const EffectLoadScope&) = delete;
  bool refused() const { return refusedAllocation; }
};

std::string rateProblem(uint32_t rate) {
  return "its sample rate of " + std::to_string(rate) + " Hz lies outside " + std::to_string(kLeastEffectRate) +
         " to " + std::to_string(kMostEffectRate) + " Hz";
}

}  // namespace

// The sound library reads a wave file with or without its RIFF header, and takes the first format
// chunk; so is it read here.
std::optional<uint32_t> waveSampleRate(const std::string& path) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  unsigned char header[12];
  const size_t got = std::fread(header, 1, sizeof header, file.get());
  long chunks = 0;
  if (got == sizeof header && std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "WAVE", 4) == 0)
    chunks = 12;
  else if (got >= 4 && std::memcmp(header, "WAVE", 4) == 0)
    chunks = 4;
  else
    return std::nullopt;
  if (std::fseek(file.get(), chunks, SEEK_SET) != 0) return std::nullopt;
  for (int seen = 0; seen < kMostChunksBeforeFormat; ++seen) {
    unsigned char chunk[8];
    if (std::fread(chunk, 1, sizeof chunk, file.get()) != sizeof chunk) return std::nullopt;
    const uint32_t length = le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      unsigned char rate[4];
      if (length < kFormatRateOffset + sizeof rate || std::fseek(file.get(), kFormatRateOffset, SEEK_CUR) != 0 ||
          std::fread(rate, 1, sizeof rate, file.get()) != sizeof rate)
        return std::nullopt;
      return le32(rate);
    }
    // Chunks are padded to an even length.
    if (std::fseek(file.get(), static_cast<long>(length) + (length & 1), SEEK_CUR) != 0) return std::nullopt;
  }
  return std::nullopt;
}

Mix_Chunk* loadBoundedEffect(const MixerLibrary& mix, const std::string& path, std::string* problem) {
  std::string reason;
  Mix_Chunk* chunk = nullptr;
  if (const auto rate = waveSampleRate(path); rate && (*rate < kLeastEffectRate || *rate > kMostEffectRate)) {
    reason = rateProblem(*rate);
  } else if (SDL_RWops* file = mix.RWFromFile(path.c_str(), "rb"); !file) {
    reason = mix.GetError();
  } else {
    bool refused = false;
    {
      const EffectLoadScope scope;
      chunk = mix.LoadWAV_RW(file, 0);
      refused = scope.refused();
    }
    // Closed here: asked to close it, the library leaves a file of a kind it does not know open.
    mix.RWclose(file);
    if (!chunk)
      reason = refused ? "converted for playing it would take more than " + std::to_string(kMostEffectBytes >> 20) + " MB"
                       : std::string(mix.GetError());
  }
  if (problem) *problem = reason;
  return chunk;
}

void boundEffectAllocations(const MixerLibrary& mix) {
  // What the library allocated before is freed by the same free, so the switch is safe at any time.
  SDL_malloc_func current = nullptr;
  mix.GetMemoryFunctions(&current, nullptr, nullptr, nullptr);
  if (current == boundedMalloc) return;
  mix.GetMemoryFunctions(&libraryAllocator.malloc, &libraryAllocator.calloc, &libraryAllocator.realloc,
                         &libraryAllocator.free);
  if (mix.SetMemoryFunctions(boundedMalloc, boundedCalloc, boundedRealloc, libraryAllocator.free) != 0)
    std::fprintf(stderr, "taluvin: cannot bound the sound library's memory: %s\n", mix.GetError());
}

}  // namespace taluvin
