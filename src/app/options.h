// Command-line options: how the program is started and checked from outside.
#pragma once

#include "script/breakpoints.h"

#include <optional>
#include <string>
#include <vector>

namespace taluvin {

struct Options {
  std::string gameFolder;  // empty: the program's own folder
  std::string traceFile;   // empty: no trace; "-": standard error
  long long traceLimitMb = 1024;  // --trace-limit: the trace stops growing past this many MB
  std::string replayFile;
  std::string listSavesFolder;  // --list-saves: print that game's save slots and end
  std::string loadSave;         // --load-save: restore this slot and reopen the game at its place
  bool start = false;
  bool headless = false;
  bool verbose = false;  // --verbose: a replay says each action on standard output as it takes it
  bool help = false;
  bool version = false;
  bool listCommands = false;
  bool markdown = false;  // --list-commands prints the authors' reference in Markdown
  std::string newGame;    // --new: the folder a template game is written to
  int newModel = 1;       // --model: its screen model
  bool check = false;  // --check: the game folder's warnings, no window
  Breakpoints breakpoints;  // --break FILE:LINE and --break-register N, each repeatable
  bool inspect = false;     // --inspect: the inspector window opens beside the game
  // The factor the whole window is drawn at; 0 is "auto": the largest whole factor whose window
  // fits the screen, 1 under --headless.
  double scale = 0;
};

// The sizes --trace-limit accepts, in MB of 1 048 576 bytes: up to a terabyte.
inline constexpr long long kMaxTraceLimitMb = 1024 * 1024;

// The factors --scale accepts besides "auto".
inline constexpr double kMinScale = 1;
inline constexpr double kMaxScale = 8;

struct ParsedOptions {
  Options options;
  std::string error;  // non-empty when the command line cannot be used
  bool showUsage = true;  // false when the error is a value the message already explains
};

ParsedOptions parseOptions(const std::vector<std::string>& args);
const char* usageText();

}  // namespace taluvin
