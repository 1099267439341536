// Fuzz target: the input as a game's settings file, laid out in every screen model.
#include "state/text_file.h"
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

namespace {

// Each model lays its page out from its own settings lines when a run starts or the model changes.
const char* const kEveryModel =
    "msg= um\r\nmode= 0\r\nmsg= dois\r\nmode= 2\r\nmsg= tres\r\nmode= 3\r\ntexto= quatro\r\n"
    "mode= 4\r\nmsg= cinco\r\nmode= 1\r\nreg= 250,x\r\nreg+ 1,1\r\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  taluvin::Lines lines = taluvin::splitLines(std::string(asText(data, size)));
  // The game name stays the scratch game's, so state files are written where the fuzzer cleans up.
  if (lines.size() < 5) lines.resize(5);
  lines[4] = "jogo";
  GameFiles files;
  for (const auto& line : lines) files.settings += line + "\r\n";
  files.start = kEveryModel;
  writeGame(files);
  playGame();
  return 0;
}
