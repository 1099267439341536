// Fuzz target: the player's volume setting file, read and written back.
#include "services/player_volume.h"
#include "support/fuzz_game.h"

#include <cstdlib>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const taluvin::PlayerVolume volume = taluvin::parsePlayerVolume(std::string(asText(data, size)));
  if (volume.level < 0 || volume.level > taluvin::PlayerVolume::kSteps) std::abort();
  // Whatever was read is written so that it reads back the same.
  if (!(taluvin::parsePlayerVolume(taluvin::formatPlayerVolume(volume)) == volume)) std::abort();
  return 0;
}
