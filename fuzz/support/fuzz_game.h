// What the fuzz targets share: an offscreen application, a scratch game folder and a bounded play.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace taluvin::fuzz {

// Offscreen windows and silent audio, set before the one application of the process is made.
void startApplication(int* argc, char*** argv);

// A folder of its own under the system's temporary folder, emptied by clearScratch; it ends with "/".
const std::string& scratchFolder();
void clearScratch();

std::string_view asText(const uint8_t* data, size_t size);
void writeFile(const std::string& name, std::string_view bytes);

// The scratch folder as a game named "jogo": the program's settings name it, and the game's own
// settings, registers, catalogue, table and opening script are the texts given (empty: no file).
struct GameFiles {
  std::string settings;
  std::string registers;
  std::string catalogue;
  std::string table;
  std::string start;
};
void writeGame(const GameFiles& files);

// Starts the game in the scratch folder with a fresh player, as the opening click does. A script
// that keeps running past a line or time budget is stopped the way the window stops a run the
// player closes, so a loop in the input cannot hang the fuzzer.
void playGame();

// Splits at the first NUL byte: what comes before it, and what follows (empty without one).
std::pair<std::string_view, std::string_view> splitAtNul(std::string_view bytes);

}  // namespace taluvin::fuzz
