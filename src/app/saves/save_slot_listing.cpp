// --list-saves and the check of --load-save: the slots of a game folder read without opening the game.
#include "app/saves/save_slot_listing.h"

#include "base/text.h"
#include "state/game_paths.h"
#include "state/save_slots.h"
#include "state/slot_edits.h"
#include "state/settings.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace taluvin {

namespace {

// The game name line 4 of the program's settings gives, as start-up reads it.
std::string gameNameIn(const std::string& gameFolder, const std::string& programName) {
  const auto path = resolveInFolder(gameFolder, utf8ToCp1252(programName) + ".ini");
  if (!path) return {};
  Settings settings;
  settings.load(*path);
  return settings.line(4);
}

// The game's name and the folder of its slots, or nothing with the reason said on err.
std::string savesFolderOf(const std::string& gameFolder, const std::string& programName, std::string& game,
                          std::ostream& err) {
  game = gameNameIn(gameFolder, programName);
  if (game.empty()) {
    err << "taluvin: no game in " << gameFolder << ": its " << programName << ".ini names none (line 4)\n";
    return {};
  }
  std::string problem;
  const std::string folder = gameSavesFolder(game, problem);
  if (folder.empty()) err << "taluvin: " << problem << '\n';
  return folder;
}

}  // namespace

std::string executableBaseName(const char* argv0) {
  std::error_code ec;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
  const QFileInfo info(QFile::decodeName(ec ? QByteArray(argv0) : QByteArray(executable.c_str())));
  return QFile::encodeName(info.completeBaseName()).toStdString();
}

int printSaveList(const std::string& gameFolder, const std::string& programName, std::ostream& out,
                  std::ostream& err) {
  std::string game;
  const std::string folder = savesFolderOf(gameFolder, programName, game, err);
  if (folder.empty()) return 2;
  const auto found = listSlots(folder);
  const std::string name = cp1252ToUtf8(game);
  if (found.empty()) {
    out << "No saves of \"" << name << "\" yet; Ctrl+S in the game saves into " << folder << '\n';
    return 0;
  }
  out << "Saves of \"" << name << "\" in " << folder << ":\n";
  for (const auto& slot : found) {
    out << "  " << slot.name << "  ";
    if (!slot.problem.empty()) {
      out << "damaged: " << slot.problem << '\n';
      continue;
    }
    const SlotManifest& m = slot.manifest;
    if (!m.label.empty()) out << m.label << "  ";
    out << m.time << "  " << (m.posic.empty() ? std::string("(no place)") : cp1252ToUtf8(m.posic));
    if (!sameFolder(m.folder, gameFolder)) out << "  (a save of the game in " << m.folder << ")";
    out << '\n';
  }
  out << "Restore one with: taluvin " << gameFolder << " --load-save NUMBER\n";
  return 0;
}

int deleteSaveOf(const std::string& gameFolder, const std::string& programName, const std::string& slot,
                 std::ostream& out, std::ostream& err) {
  std::string game;
  const std::string folder = savesFolderOf(gameFolder, programName, game, err);
  if (folder.empty()) return 2;
  if (const std::string failed = deleteSlot(folder, slot); !failed.empty()) {
    err << "taluvin: " << failed << " of \"" << cp1252ToUtf8(game) << "\" (taluvin --list-saves " << gameFolder
        << " lists them)\n";
    return 2;
  }
  out << "Deleted slot " << slot << " of \"" << cp1252ToUtf8(game) << "\"\n";
  return 0;
}

std::string checkSlotToLoad(const std::string& gameFolder, const std::string& programName, const std::string& ref) {
  return restoreSlot(gameFolder, programName, gameNameIn(gameFolder, programName), ref, false).error;
}

}  // namespace taluvin
