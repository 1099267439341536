// Writers of small WAV files for the tests that play sounds.
#pragma once

#include <string>

namespace taluvin::testing {

// A 16-bit mono sine tone of that length, made here so no test depends on sample files.
void writeToneWav(const std::string& path, double seconds, double frequency = 440.0);

}  // namespace taluvin::testing
