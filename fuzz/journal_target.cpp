// Fuzz target: the save journal a game folder may hold when the game opens (it may come with the game).
#include "state/state_writer.h"
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  clearScratch();
  const std::string& folder = scratchFolder();
  // The state files and temporaries a journal could name, so its renames are really attempted.
  writeFile("jogo.rgs", "velho\r\n");
  writeFile("jogo.rgs.tmp-AbC123", "novo\r\n");
  writeFile("jogo.obx.tmp-XyZ789", "novo\r\n");
  writeFile("start.scp.tmp-AAAAAA", "reg= 1,x\r\n");
  writeFile(".taluvin-save", asText(data, size));
  taluvin::StateWriter::removeLeftoverTemporaries(
      {folder + "taluvin.ini", folder + "jogo.ini", folder + "jogo.rgs", folder + "jogo.obx", folder + "jogo.obz"});
  return 0;
}
