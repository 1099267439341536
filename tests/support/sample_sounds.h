// Writers of small sound and music files for the tests that play them.
#pragma once

#include <string>

namespace taluvin::testing {

// A 16-bit mono sine tone of that length, made here so no test depends on sample files.
void writeToneWav(const std::string& path, double seconds, double frequency = 440.0);

// A one-track MIDI tune of half-second piano notes, written byte by byte.
void writeMidiTune(const std::string& path, int notes);

// A sine tone in the format the path's extension names (".ogg", ".mp3", ...), made by sox, which
// scripts/setup.sh installs. Returns false when sox is missing or fails.
bool makeToneWithSox(const std::string& path, double seconds);

}  // namespace taluvin::testing
