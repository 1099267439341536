// Start-up, game opening and exit saving of the GameSession (the window parts live with the windows).
#pragma once

#include <string>

namespace taluvin {

struct GameSession;

// Fields from the program's own settings file, ProgramFolder + ProgramName + ".ini".
void startUpSession(GameSession& session, const std::string& programFolder, const std::string& programName);

// Loads the game's settings, registers, catalogue and object table; the game's settings
// replace the program's in memory. Gives why nothing was opened, or nothing when the game opened:
// a game name that is not a plain file name, or a game file that is a link out of the folder.
std::string openGameFiles(GameSession& session, const std::string& gameName);

// The game folder written as a file address for generated web pages: blanks, bytes outside ASCII
// and the signs an address or a tag would misread are escaped ("%20", "%D0" ...).
std::string folderToUrl(const std::string& folder);

// Window geometry the exit writes into lines 0, 1, 11 and 12 (and each run's save with them).
struct ExitGeometry {
  int left = 0, top = 0, contentWidth = 900, contentHeight = 420;
};

class Settings;
class StateSet;

// Writes into the settings what the session holds of them: the game's name and register count, the
// scripts to start and return to, the current object and place (lines 4 to 10), and line 95 as the
// program's own file had it. The exit steps and a save slot both save the game this way.
void putSessionLines(Settings& settings, const GameSession& session);

// Both settings files (at least 101 lines, line 95 carried over) and the state files.
void writeExitFiles(GameSession& session, const ExitGeometry& geometry);

// Adds the game's settings file to a run's set, as the exit steps would write it now but for the
// lines a "defini=" changed: the place a run reached lands with its registers and objects, so
// resuming after a kill goes on from there. The settings in memory are left as they are, so the exit
// steps still write what they always did.
void addRunSettings(StateSet& set, const GameSession& session, const ExitGeometry& geometry);

}  // namespace taluvin
