// Fuzz target: the manifest of a save slot, read as the slot list, --list-saves and --load-save read it,
// and as the newest undo step Ctrl+Z would restore.
#include "state/game_session.h"
#include "state/save_slots.h"
#include "state/slot_manifest.h"
#include "state/undo_steps.h"
#include "support/fuzz_game.h"

#include <cstdlib>
#include <filesystem>

using namespace taluvin::fuzz;

namespace {

// "@FOLDER@" in the input stands for the game folder, whose path changes from run to run, so a seed
// can name this game and reach the checks of the slot's files.
std::string withFolder(std::string_view input, const std::string& folder) {
  std::string text(input);
  for (size_t at = text.find("@FOLDER@"); at != std::string::npos; at = text.find("@FOLDER@", at + folder.size()))
    text.replace(at, 8, folder);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  clearScratch();
  const std::string& scratch = scratchFolder();
  const std::string game = scratch + "jogo/";
  const std::string slot = scratch + "data/taluvin/saves/jogo/1/";
  std::filesystem::create_directories(game);
  std::filesystem::create_directories(slot);
  setenv("XDG_DATA_HOME", (scratch + "data").c_str(), 1);
  writeFile("jogo/taluvin.ini", "\r\n\r\n\r\n\r\njogo\r\n");
  // What the seeds' file entries record: each file's size and checksum.
  writeFile("data/taluvin/saves/jogo/1/jogo.ini", "ini\r\n");
  writeFile("data/taluvin/saves/jogo/1/jogo.rgs", "rgs\r\n");
  writeFile("data/taluvin/saves/jogo/1/jogo.obx", "obx\r\n");
  writeFile("data/taluvin/saves/jogo/1/jogo.obz", "obz\r\n");
  const std::string manifest = withFolder(asText(data, size), game);
  writeFile(std::string("data/taluvin/saves/jogo/1/") + taluvin::kSlotManifestName, manifest);

  taluvin::SlotManifest read;
  if (taluvin::parseSlotManifest(manifest, read).empty()) {
    taluvin::SlotManifest again;
    (void)taluvin::parseSlotManifest(taluvin::formatSlotManifest(read), again);
  }
  (void)taluvin::listSlots(scratch + "data/taluvin/saves/jogo/");
  // Checked only: what a restore would write is never written.
  (void)taluvin::restoreSlot(game, "taluvin", "jogo", "1", false);

  // The same slot as an undo step: listed, its settings read for what tells states apart, and
  // checked as a restore would check it.
  const std::string step = "data/taluvin/undo/jogo/1/";
  std::filesystem::create_directories(scratch + step);
  for (const char* name : {"jogo.ini", "jogo.rgs", "jogo.obx", "jogo.obz"})
    std::filesystem::copy_file(scratch + "data/taluvin/saves/jogo/1/" + name, scratch + step + name);
  writeFile(step + taluvin::kSlotManifestName, manifest);
  static taluvin::GameSession session;
  session.GameName = "jogo";
  session.GameFolder = game;
  taluvin::UndoSteps steps;
  std::vector<std::string> notes;
  if (const auto newest = steps.newest(session, notes))
    (void)taluvin::restoreSlotFolder(game, "taluvin", "jogo", newest->folder, newest->label, false);
  return 0;
}
