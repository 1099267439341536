// Fuzz target: a replay file's lines read and checked, as --replay reads them before any action.
#include "app/replay/replay.h"
#include "support/fuzz_game.h"

#include <sstream>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in{std::string(asText(data, size))};
  std::vector<taluvin::ReplayStep> steps;
  std::string error;
  (void)taluvin::parseReplay(in, "fuzz.replay", steps, error);
  return 0;
}
