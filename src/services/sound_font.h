// Finding the General MIDI soundfont MIDI music is played with.
#pragma once

#include <string>
#include <vector>

namespace taluvin {

// Where Debian and most other systems install soundfonts.
std::vector<std::string> standardSoundFontFolders();

// The soundfont to play MIDI with: the small one scripts/setup.sh installs, or the system's
// default General MIDI font, or else the first ".sf2"/".sf3" file by name, searched folder by
// folder in order. Empty when no folder holds one.
std::string findSoundFont(const std::vector<std::string>& folders);

// Whether a file holds MIDI music, by its name (".mid", ".midi", ".kar", ".rmi", any case).
bool isMidiFile(const std::string& path);

}  // namespace taluvin
