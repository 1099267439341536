// Fuzz target: the checker over a game whose files are the input's parts, split at NUL bytes, as
// --check reads a folder: start.scp, the settings, the object catalogue and table, the object file
// alfa.obj and the data file dados.scp that "loadregs dados" copies (a missing part: no file).
#include "app/check/game_check.h"
#include "support/fuzz_game.h"

#include <sstream>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view rest = asText(data, size);
  auto next = [&rest] {
    const auto [part, after] = splitAtNul(rest);
    rest = after;
    return std::string(part);
  };
  GameFiles files;
  files.start = next();
  files.settings = next();
  files.catalogue = next();
  files.table = next();
  const std::string objectFile = next();
  const std::string dataFile = next();
  writeGame(files);
  if (!objectFile.empty()) writeFile("alfa.obj", objectFile);
  if (!dataFile.empty()) writeFile("dados.scp", dataFile);
  std::ostringstream findings;
  (void)taluvin::checkGameFolder(scratchFolder(), "taluvin", findings);
  return 0;
}
