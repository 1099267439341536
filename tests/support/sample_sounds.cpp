// WAV files written by hand for the sound tests.
#include "support/sample_sounds.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace taluvin::testing {

void writeToneWav(const std::string& path, double seconds, double frequency) {
  constexpr uint32_t kRate = 22050;
  const auto samples = static_cast<uint32_t>(seconds * kRate);
  const uint32_t dataBytes = samples * 2;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  auto put = [&out](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
  };
  out << "RIFF";
  put(36 + dataBytes, 4);
  out << "WAVEfmt ";
  put(16, 4);
  put(1, 2);
  put(1, 2);
  put(kRate, 4);
  put(kRate * 2, 4);
  put(2, 2);
  put(16, 2);
  out << "data";
  put(dataBytes, 4);
  for (uint32_t i = 0; i < samples; ++i)
    put(static_cast<uint16_t>(static_cast<int16_t>(6000 * std::sin(i * 2 * M_PI * frequency / kRate))), 2);
}

void writeMidiTune(const std::string& path, int notes) {
  constexpr uint8_t kTicksPerNote = 96;  // a quarter note at the default 120 beats a minute
  std::vector<uint8_t> track = {0x00, 0xC0, 0x00};  // piano on channel 1
  for (int i = 0; i < notes; ++i) {
    const auto note = static_cast<uint8_t>(60 + (i * 4) % 12);
    track.insert(track.end(), {0x00, 0x90, note, 0x64, kTicksPerNote, 0x80, note, 0x00});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  auto put32 = [&out](uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.put(static_cast<char>(value >> shift));
  };
  out << "MThd";
  put32(6);
  const char header[] = {0, 0, 0, 1, 0, static_cast<char>(kTicksPerNote)};  // format 0, one track
  out.write(header, sizeof header);
  out << "MTrk";
  put32(static_cast<uint32_t>(track.size()));
  out.write(reinterpret_cast<const char*>(track.data()), static_cast<std::streamsize>(track.size()));
}

bool makeToneWithSox(const std::string& path, double seconds) {
  const std::string command =
      "sox -q -n -r 22050 -c 1 '" + path + "' synth " + std::to_string(seconds) + " sine 440 vol 0.5 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

}  // namespace taluvin::testing
