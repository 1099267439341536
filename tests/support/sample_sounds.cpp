// WAV files written by hand for the sound tests.
#include "support/sample_sounds.h"

#include <cmath>
#include <cstdint>
#include <fstream>

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

}  // namespace taluvin::testing
