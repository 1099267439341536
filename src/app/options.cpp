// Command-line parsing.
#include "app/options.h"

namespace taluvin {

const char* usageText() {
  return "Usage: taluvin [GAME_FOLDER] [options]\n"
         "Plays the game in GAME_FOLDER (default: the program's own folder).\n"
         "\n"
         "Options:\n"
         "  --trace FILE    write every trace line to FILE (UTF-8; \"-\" for standard error)\n"
         "  --start         act as the start click as soon as the window shows\n"
         "  --replay FILE   play the player actions listed in FILE, one per line\n"
         "  --headless      no display and no sound device; errors go to standard error\n"
         "  --list-commands print the script language's commands in the order they are tested\n"
         "  --help          show this text\n"
         "  --version       show the version\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) {
        parsed.error = a + " needs a file name";
        return false;
      }
      into = args[++i];
      return true;
    };
    if (a == "--trace") {
      if (!value(o.traceFile)) return parsed;
    } else if (a == "--replay") {
      if (!value(o.replayFile)) return parsed;
    } else if (a == "--start") {
      o.start = true;
    } else if (a == "--headless") {
      o.headless = true;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--list-commands") {
      o.listCommands = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a.size() > 1 && a[0] == '-') {
      parsed.error = "unknown option " + a;
      return parsed;
    } else if (o.gameFolder.empty()) {
      o.gameFolder = a;
    } else {
      parsed.error = "more than one game folder given: " + a;
      return parsed;
    }
  }
  return parsed;
}

}  // namespace taluvin
