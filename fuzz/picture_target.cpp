// Fuzz target: one picture decoder, chosen at build time by the file extension it is reached by.
#include "present/picture_file.h"
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string name = std::string("picture") + TALUVIN_FUZZ_EXTENSION;
  writeFile(name, asText(data, size));
  // The decoder writes every row of its picture itself, where AddressSanitizer watches each byte.
  (void)taluvin::loadPictureFile(scratchFolder() + name);
  return 0;
}
