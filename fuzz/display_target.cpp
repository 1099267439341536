// Fuzz target: the player's per-game display setting file, read and written back.
#include "app/options.h"
#include "app/player/player_display_settings.h"
#include "support/fuzz_game.h"

#include <cstdlib>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const taluvin::ReadDisplaySettings read = taluvin::parseDisplaySettings(std::string(asText(data, size)));
  const double scale = read.settings.scale;
  if (scale != 0 && !(scale >= taluvin::kMinScale && scale <= taluvin::kMaxScale)) std::abort();
  // Whatever was read is written so that it reads back the same, with nothing to complain of.
  const taluvin::ReadDisplaySettings again = taluvin::parseDisplaySettings(taluvin::formatDisplaySettings(read.settings));
  if (!(again.settings == read.settings) || !again.problem.empty()) std::abort();
  return 0;
}
