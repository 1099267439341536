// The command line's side of save slots: --list-saves prints them, --load-save checks one before the window opens.
#pragma once

#include <ostream>
#include <string>

namespace taluvin {

// The program's own base name (its settings file is that name + ".ini"), known before Qt starts.
std::string executableBaseName(const char* argv0);

// Prints the slots of the game in gameFolder (checked, ending with "/") to out; a folder naming no
// game goes to err. Gives the exit code.
int printSaveList(const std::string& gameFolder, const std::string& programName, std::ostream& out,
                  std::ostream& err);

// Why the slot cannot be restored into the game in gameFolder, or nothing; reads, never writes.
// --delete-save: deletes slot of the game in gameFolder and says so; 0, or 2 with the reason said.
int deleteSaveOf(const std::string& gameFolder, const std::string& programName, const std::string& slot,
                 std::ostream& out, std::ostream& err);

std::string checkSlotToLoad(const std::string& gameFolder, const std::string& programName, const std::string& ref);

}  // namespace taluvin
