// Command-line options: how the program is started and checked from outside.
#pragma once

#include "script/breakpoints.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taluvin {

struct Options {
  std::string gameFolder;  // a game folder or a zip archive; empty: the library (or the program's own folder)
  std::string traceFile;   // empty: no trace; "-": standard error
  long long traceLimitMb = 1024;  // --trace-limit: the trace stops growing past this many MB
  std::string replayFile;
  std::string listSavesFolder;  // --list-saves: print that game's save slots and end
  std::string loadSave;         // --load-save: restore this slot and reopen the game at its place
  std::string deleteSave;       // --delete-save: delete this slot of the game folder and end
  bool start = false;
  bool resume = false;  // --resume: the double click on the opening picture as soon as the window shows
  bool fresh = false;   // --fresh: play a copy of the game that goes when the program ends
  bool listGames = false;  // --list-games: print the games library and end
  std::string addGame;     // --add-game: bring this folder or zip archive into the games folder and end
  bool headless = false;
  bool verbose = false;  // --verbose: a replay says each action on standard output as it takes it
  bool help = false;
  bool version = false;
  bool listCommands = false;
  bool markdown = false;  // --list-commands prints the authors' reference in Markdown
  std::string newGame;    // --new: the folder a template game is written to
  int newModel = 1;       // --model: its screen model
  bool check = false;  // --check: the game folder's warnings, no window
  std::string explainFile;  // --explain: a trace file printed with English glosses, no window
  Breakpoints breakpoints;  // --break FILE:LINE and --break-register N, each repeatable
  bool inspect = false;     // --inspect: the inspector window opens beside the game
  // The factor the whole window is drawn at; 0 is "auto": the largest of 1, 1.5, 2 ... whose
  // window fits the screen, 1 under --headless.
  double scale = 0;
  bool scaleGiven = false;  // --scale was given: it wins over the scale remembered for the game
  bool fullscreen = false;  // --fullscreen: the game fills the screen from the start
};

// The sizes --trace-limit accepts, in MB of 1 048 576 bytes: up to a terabyte.
inline constexpr long long kMaxTraceLimitMb = 1024 * 1024;

// The factors --scale accepts besides "auto".
inline constexpr double kMinScale = 1;
inline constexpr double kMaxScale = 8;

// "auto" is 0; a factor is a plain decimal number within the bounds, nothing after it. False, with
// scale untouched, for anything else.
bool readScale(std::string_view text, double& scale);

struct ParsedOptions {
  Options options;
  std::string error;  // non-empty when the command line cannot be used
  bool showUsage = true;  // false when the error is a value the message already explains
};

ParsedOptions parseOptions(const std::vector<std::string>& args);
// In the player's language (English until another is in use).
std::string usageText();

}  // namespace taluvin
