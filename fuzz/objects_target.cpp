// Fuzz target: a game's object catalogue and object table (the input split at its first NUL byte).
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

namespace {

const char* const kUseObjects =
    "conta jog,1\r\nconta sala,2\r\nlstobj 3,jog\r\nlstobjlnk 4,sala\r\nlistaobjetos\r\n"
    "poetudo jog,sala\r\ndispobj= sala,tel,0,0,200,200,4\r\ngetnomobj= 5,chave\r\npegaobj chave\r\n"
    "mode= 2\r\ndispobj= jog\r\nsoltaobj chave\r\nsetlocobj= chave,jog\r\nsaveobjs\r\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [catalogue, table] = splitAtNul(asText(data, size));
  GameFiles files;
  files.catalogue = std::string(catalogue);
  files.table = std::string(table);
  files.start = kUseObjects;
  writeGame(files);
  playGame();
  return 0;
}
