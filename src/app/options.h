// Command-line options: how the program is started and checked from outside.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace taluvin {

struct Options {
  std::string gameFolder;  // empty: the program's own folder
  std::string traceFile;   // empty: no trace; "-": standard error
  std::string replayFile;
  bool start = false;
  bool headless = false;
  bool help = false;
  bool version = false;
  bool listCommands = false;
};

struct ParsedOptions {
  Options options;
  std::string error;  // non-empty when the command line cannot be used
};

ParsedOptions parseOptions(const std::vector<std::string>& args);
const char* usageText();

}  // namespace taluvin
