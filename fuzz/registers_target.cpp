// Fuzz target: the input as a game's register file, read by arithmetic, conditions and references.
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

namespace {

const char* const kUseRegisters =
    "reg+ 1,#2\r\nreg- 2,#3\r\nreg* 3,#4\r\nreg/ 4,#5\r\nreg: 5,#6\r\nreg? 6,#7\r\nreg$ 7,#8\r\n"
    "trim 8\r\nif~ 9,#1,#2,reg= 10,in\r\nifreg= 0,#1,a\r\n:a\r\nmsg+ #11\r\nmsg= #12\r\n"
    "loadregs\r\nsaveregs\r\nif> 1,#2,reg= 13,gt\r\nif< 3,#4,reg= 14,lt\r\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameFiles files;
  files.registers = std::string(asText(data, size));
  files.start = kUseRegisters;
  writeGame(files);
  playGame();
  return 0;
}
