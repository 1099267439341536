// Fuzz target: the interpreter running the input as a game's opening script.
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameFiles files;
  files.start = std::string(asText(data, size));
  writeGame(files);
  playGame();
  return 0;
}
