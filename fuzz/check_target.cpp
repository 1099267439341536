// Fuzz target: the checker over a game whose start script is the input before a NUL byte and whose
// settings are what follows it, as --check reads a folder.
#include "app/check/game_check.h"
#include "support/fuzz_game.h"

#include <sstream>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [start, settings] = splitAtNul(asText(data, size));
  GameFiles files;
  files.start = std::string(start);
  files.settings = std::string(settings);
  writeGame(files);
  std::ostringstream findings;
  (void)taluvin::checkGameFolder(scratchFolder(), "taluvin", findings);
  return 0;
}
