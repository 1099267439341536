// Command-line parsing.
#include "app/options.h"

#include <charconv>

namespace taluvin {

const char* usageText() {
  return "Usage: taluvin [GAME_FOLDER] [options]\n"
         "Plays the game in GAME_FOLDER (default: the program's own folder).\n"
         "\n"
         "Options:\n"
         "  --trace FILE    write every trace line to FILE (UTF-8; \"-\" for standard error)\n"
         "  --trace-limit MB  stop the trace at MB megabytes, with a last line saying so (default 1024)\n"
         "  --start         act as the start click as soon as the window shows\n"
         "  --replay FILE   play the player actions listed in FILE, one per line\n"
         "  --verbose       with --replay: print each action as it is taken, after the comments\n"
         "                  written above it, and a last line when the replay is over\n"
         "  --headless      no display and no sound device; errors go to standard error\n"
         "  --scale N       draw the whole window N times its size (1, 1.5, 2, 3 ... up to 8), or auto:\n"
         "                  the largest whole factor whose window fits in 80% of the screen (the\n"
         "                  default; 1 under --headless). Games see the same pixels at any scale\n"
         "  --list-commands print the script language's commands in the order they are tested\n"
         "  --list-saves GAME_FOLDER  print the game's save slots (time and place of each)\n"
         "  --load-save SLOT  restore save slot SLOT (a number, or a slot folder) and reopen the game\n"
         "                  at its place\n"
         "  --markdown      with --list-commands: the authors' command reference in Markdown\n"
         "  --new FOLDER    write a small working game into FOLDER (new or empty) and stop\n"
         "  --model N       with --new: the screen model 0 to 4 the game uses (default 1)\n"
         "  --check         report the game folder's mistakes as FILE:LINE: message, without\n"
         "                  opening a window (exit code 0: none, 1: some, 2: folder unreadable)\n"
         "  --break FILE:LINE  stop a run before line LINE (from 1) of script FILE; repeatable\n"
         "  --break-register N  stop a run after any line that changes register N; repeatable\n"
         "  --inspect       open the inspector window beside the game (also Ctrl+Shift+I); it opens by\n"
         "                  itself when a run stops. There F6 steps one line, F8 continues and\n"
         "                  Shift+F8 stops the run\n"
         "  --help          show this text\n"
         "  --version       show the version\n";
}

namespace {

// "auto" is 0; a factor is a plain decimal number within the bounds, nothing after it.
bool readScale(const std::string& text, double& scale) {
  if (text == "auto") {
    scale = 0;
    return true;
  }
  double factor = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, factor, std::chars_format::fixed);
  if (error != std::errc() || stop != end || !(factor >= kMinScale && factor <= kMaxScale)) return false;
  scale = factor;
  return true;
}

// A whole number of megabytes within the bounds, nothing after it.
bool readTraceLimit(const std::string& text, long long& megabytes) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < 1 || value > kMaxTraceLimitMb) return false;
  megabytes = value;
  return true;
}

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into, const char* what = "a file name") {
      if (i + 1 >= args.size()) {
        parsed.error = a + " needs " + what;
        return false;
      }
      into = args[++i];
      return true;
    };
    if (a == "--trace") {
      if (!value(o.traceFile)) return parsed;
    } else if (a == "--trace-limit") {
      std::string size;
      if (!value(size, "a size in megabytes")) return parsed;
      if (!readTraceLimit(size, o.traceLimitMb)) {
        parsed.error = "--trace-limit takes a whole number of megabytes from 1 to " + std::to_string(kMaxTraceLimitMb) +
                       ", not '" + size + "'";
        parsed.showUsage = false;
        return parsed;
      }
    } else if (a == "--replay") {
      if (!value(o.replayFile)) return parsed;
    } else if (a == "--scale") {
      std::string factor;
      if (!value(factor, "a factor or auto")) return parsed;
      if (!readScale(factor, o.scale)) {
        parsed.error = "--scale takes auto or a factor from 1 to 8 (such as 1.5 or 2), not '" + factor + "'";
        parsed.showUsage = false;
        return parsed;
      }
    } else if (a == "--list-saves") {
      if (!value(o.listSavesFolder, "a game folder")) return parsed;
    } else if (a == "--load-save") {
      if (!value(o.loadSave, "a slot number or a slot folder")) return parsed;
    } else if (a == "--break" || a == "--break-register") {
      std::string where;
      if (!value(where, a == "--break" ? "FILE:LINE" : "a register number")) return parsed;
      std::string problem;
      if (a == "--break") {
        LineBreak at;
        problem = readLineBreak(where, at);
        if (problem.empty()) o.breakpoints.addLine(std::move(at));
      } else {
        int index = 0;
        problem = readWatchedRegister(where, index);
        if (problem.empty()) o.breakpoints.watchRegister(index);
      }
      if (!problem.empty()) {
        parsed.error = problem;
        parsed.showUsage = false;
        return parsed;
      }
    } else if (a == "--inspect") {
      o.inspect = true;
    } else if (a == "--start") {
      o.start = true;
    } else if (a == "--headless") {
      o.headless = true;
    } else if (a == "--verbose") {
      o.verbose = true;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--check") {
      o.check = true;
    } else if (a == "--list-commands") {
      o.listCommands = true;
    } else if (a == "--markdown") {
      o.markdown = true;
    } else if (a == "--new") {
      if (!value(o.newGame)) return parsed;
    } else if (a == "--model") {
      std::string model;
      if (!value(model)) return parsed;
      if (model.size() != 1 || model[0] < '0' || model[0] > '4') {
        parsed.error = "--model takes a screen model from 0 to 4, not " + model;
        return parsed;
      }
      o.newModel = model[0] - '0';
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
  if (o.check && o.gameFolder.empty()) parsed.error = "--check needs a game folder";
  // Both open the game, each its own way.
  if (!o.loadSave.empty() && o.start) parsed.error = "--load-save and --start both open the game: give one";
  return parsed;
}

}  // namespace taluvin
