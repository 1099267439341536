// What loading one effect may cost: the sample rates played and the memory its conversion may take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

struct Mix_Chunk;

namespace taluvin {

struct MixerLibrary;

// An effect is converted whole into the device's format when it is loaded, so the rate its header
// claims decides what a few bytes cost: a 9 KB file at 1 Hz becomes well over a gigabyte at the
// device's 44100 Hz. Wave files claiming a rate outside this range are refused from their header.
inline constexpr uint32_t kLeastEffectRate = 1000;
inline constexpr uint32_t kMostEffectRate = 384000;
// No single allocation the sound library makes while an effect loads may pass this, whatever the
// file's format: it bounds the converted sound (six minutes of 44.1 kHz stereo) and the buffers on
// the way to it.
inline constexpr size_t kMostEffectBytes = size_t{64} << 20;

// The sample rate the format chunk of a wave file (a native path) gives; nothing when the file is
// not a wave file or its format chunk cannot be found.
std::optional<uint32_t> waveSampleRate(const std::string& path);

// Loads the file as an effect in the device's format, within the limits above; null when it cannot
// be played, with the reason in *problem when that is given.
Mix_Chunk* loadBoundedEffect(const MixerLibrary& mix, const std::string& path, std::string* problem = nullptr);

// Routes the sound library's allocations through the bound, which holds only on a thread loading
// an effect. Called once when the library is loaded, before any sound is opened.
void boundEffectAllocations(const MixerLibrary& mix);

}  // namespace taluvin
