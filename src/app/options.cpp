// Command-line parsing.
#include "app/options.h"

#include "app/player_language.h"

#include <QtGlobal>
#include <charconv>

namespace taluvin {

// One message per paragraph, each ending in its line break, so a translation changes one option
// at a time and an empty line stays out of the translators' way.
const char* const kUsageParagraphs[] = {
    QT_TRANSLATE_NOOP("Usage", "Usage: taluvin [GAME_FOLDER | GAME.zip] [options]\n"),
    QT_TRANSLATE_NOOP("Usage", "Plays the game in GAME_FOLDER, or the game of a zip archive, unpacked into the games folder\n"
                      "the first time. Without either: the games library window.\n"),
    "\n",
    QT_TRANSLATE_NOOP("Usage", "Options:\n"),
    QT_TRANSLATE_NOOP("Usage", "  --trace FILE    write every trace line to FILE (UTF-8; \"-\" for standard error)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --trace-limit MB  stop the trace at MB megabytes, with a last line saying so (default 1024)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --start         act as the start click as soon as the window shows\n"),
    QT_TRANSLATE_NOOP("Usage", "  --resume        act as the double click on the opening picture (continue from the place\n"
                      "                  reached) as soon as the window shows\n"),
    QT_TRANSLATE_NOOP("Usage", "  --fresh         play a copy of the game made for this run and removed at its end, leaving\n"
                      "                  the game folder or archive untouched\n"),
    QT_TRANSLATE_NOOP("Usage", "  --replay FILE   play the player actions listed in FILE, one per line\n"),
    QT_TRANSLATE_NOOP("Usage", "  --verbose       with --replay: print each action as it is taken, after the comments\n"
                      "                  written above it, and a last line when the replay is over\n"),
    QT_TRANSLATE_NOOP("Usage", "  --headless      no display and no sound device; errors go to standard error\n"),
    QT_TRANSLATE_NOOP("Usage", "  --scale N       draw the whole window N times its size (1, 1.5, 2, 3 ... up to 8), or auto:\n"
                      "                  the largest of 1, 1.5, 2, 2.5 ... whose window fits in 90% of the screen (the\n"
                      "                  default; 1 under --headless). Games see the same pixels at any scale. The\n"
                      "                  scale last given for a game is used again when this is not given\n"),
    QT_TRANSLATE_NOOP("Usage", "  --fullscreen    start with the game filling the screen (F11 or Alt+Enter switch back and\n"
                      "                  forth); without it, a game left full screen starts full screen again\n"),
    QT_TRANSLATE_NOOP("Usage", "  --speak         speak every text the game shows (remembered until --no-speak)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --no-speak      stop speaking the game's texts (remembered until --speak)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --speech-log FILE  write every text that is or would be spoken to FILE, one UTF-8\n"
                      "                  line each (with or without --speak, --headless too)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --speech-engine NAME  speak through that text-to-speech engine (flite, speechd, ...;\n"
                      "                  none: no voice); default: Flite, else speech-dispatcher\n"),
    QT_TRANSLATE_NOOP("Usage", "  --list-commands print the script language's commands in the order they are tested\n"),
    QT_TRANSLATE_NOOP("Usage", "  --list-saves GAME_FOLDER  print the game's save slots (time and place of each)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --load-save SLOT  restore save slot SLOT (a number, or a slot folder) and reopen the game\n"
                      "                  at its place\n"),
    QT_TRANSLATE_NOOP("Usage", "  --delete-save SLOT  delete save slot SLOT of the game folder given and stop\n"),
    QT_TRANSLATE_NOOP("Usage", "  --markdown      with --list-commands: the authors' command reference in Markdown\n"),
    QT_TRANSLATE_NOOP("Usage", "  --new FOLDER    write a small working game into FOLDER (new or empty) and stop\n"),
    QT_TRANSLATE_NOOP("Usage", "  --model N       with --new: the screen model 0 to 4 the game uses (default 1)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --list-games    print the games library: name, last played, place and folder of each game\n"),
    QT_TRANSLATE_NOOP("Usage", "  --add-game PATH  copy the game folder or unpack the zip archive PATH into the games folder\n"),
    QT_TRANSLATE_NOOP("Usage", "  --check         report the game folder's mistakes as FILE:LINE: message, without\n"
                      "                  opening a window (exit code 0: none, 1: some, 2: folder unreadable)\n"),
    QT_TRANSLATE_NOOP("Usage", "  --explain FILE  print the trace FILE (as --trace writes it) with an English line under each\n"
                      "                  marker, naming the file, register or label it is about; with a\n"
                      "                  GAME_FOLDER, the glosses give that game's register count\n"),
    QT_TRANSLATE_NOOP("Usage", "  --break FILE:LINE  stop a run before line LINE (from 1) of script FILE; repeatable\n"),
    QT_TRANSLATE_NOOP("Usage", "  --break-register N  stop a run after any line that changes register N; repeatable\n"),
    QT_TRANSLATE_NOOP("Usage", "  --inspect       open the inspector window beside the game (also Ctrl+Shift+I); it opens by\n"
                      "                  itself when a run stops. There F6 steps one line, F8 continues and\n"
                      "                  Shift+F8 stops the run\n"),
    QT_TRANSLATE_NOOP("Usage", "  --help          show this text\n"),
    QT_TRANSLATE_NOOP("Usage", "  --version       show the version\n"),
};

std::string usageText() {
  std::string text;
  for (const char* paragraph : kUsageParagraphs)
    text += paragraph[0] == '\n' ? std::string(paragraph) : playerTextUtf8("Usage", paragraph);
  return text;
}

bool readScale(std::string_view text, double& scale) {
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

namespace {

// A message of the player's in its language; the values are put in as given, never translated.
std::string said(const char* source) { return playerTextUtf8("Options", source); }
std::string said(const char* source, const std::string& value) {
  return playerText("Options", source).arg(QString::fromStdString(value)).toStdString();
}
// Both at once, so a first value that spells "%2" is not taken for the second's place.
std::string said(const char* source, const std::string& first, const std::string& second) {
  return playerText("Options", source).arg(QString::fromStdString(first), QString::fromStdString(second)).toStdString();
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
    auto value = [&](std::string& into, const char* what = QT_TRANSLATE_NOOP("Options", "a file name")) {
      if (i + 1 >= args.size()) {
        parsed.error = said(QT_TRANSLATE_NOOP("Options", "%1 needs %2"), a, playerTextUtf8("Options", what));
        return false;
      }
      into = args[++i];
      return true;
    };
    if (a == "--trace") {
      if (!value(o.traceFile)) return parsed;
    } else if (a == "--trace-limit") {
      std::string size;
      if (!value(size, QT_TRANSLATE_NOOP("Options", "a size in megabytes"))) return parsed;
      if (!readTraceLimit(size, o.traceLimitMb)) {
        parsed.error = said(QT_TRANSLATE_NOOP("Options",
                                              "--trace-limit takes a whole number of megabytes from 1 to %1, not '%2'"),
                            std::to_string(kMaxTraceLimitMb), size);
        parsed.showUsage = false;
        return parsed;
      }
    } else if (a == "--replay") {
      if (!value(o.replayFile)) return parsed;
    } else if (a == "--scale") {
      std::string factor;
      if (!value(factor, QT_TRANSLATE_NOOP("Options", "a factor or auto"))) return parsed;
      o.scaleGiven = true;
      if (!readScale(factor, o.scale)) {
        parsed.error =
            said(QT_TRANSLATE_NOOP("Options", "--scale takes auto or a factor from 1 to 8 (such as 1.5 or 2), not '%1'"),
                 factor);
        parsed.showUsage = false;
        return parsed;
      }
    } else if (a == "--list-saves") {
      if (!value(o.listSavesFolder, QT_TRANSLATE_NOOP("Options", "a game folder"))) return parsed;
    } else if (a == "--load-save") {
      if (!value(o.loadSave, QT_TRANSLATE_NOOP("Options", "a slot number or a slot folder"))) return parsed;
    } else if (a == "--delete-save") {
      if (!value(o.deleteSave, QT_TRANSLATE_NOOP("Options", "a slot number"))) return parsed;
    } else if (a == "--break" || a == "--break-register") {
      std::string where;
      if (!value(where, a == "--break" ? "FILE:LINE" : QT_TRANSLATE_NOOP("Options", "a register number"))) return parsed;
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
    } else if (a == "--resume") {
      o.resume = true;
    } else if (a == "--fresh") {
      o.fresh = true;
    } else if (a == "--list-games") {
      o.listGames = true;
    } else if (a == "--add-game") {
      if (!value(o.addGame, QT_TRANSLATE_NOOP("Options", "a game folder or a zip archive"))) return parsed;
    } else if (a == "--fullscreen") {
      o.fullscreen = true;
    } else if (a == "--headless") {
      o.headless = true;
    } else if (a == "--verbose") {
      o.verbose = true;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--check") {
      o.check = true;
    } else if (a == "--explain") {
      if (!value(o.explainFile, QT_TRANSLATE_NOOP("Options", "a trace file"))) return parsed;
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
        parsed.error = said(QT_TRANSLATE_NOOP("Options", "--model takes a screen model from 0 to 4, not %1"), model);
        return parsed;
      }
      o.newModel = model[0] - '0';
    } else if (a == "--version") {
      o.version = true;
    } else if (a.size() > 1 && a[0] == '-') {
      parsed.error = said(QT_TRANSLATE_NOOP("Options", "unknown option %1"), a);
      return parsed;
    } else if (o.gameFolder.empty()) {
      o.gameFolder = a;
    } else {
      parsed.error = said(QT_TRANSLATE_NOOP("Options", "more than one game folder given: %1"), a);
      return parsed;
    }
  }
  if (o.check && o.gameFolder.empty()) parsed.error = said(QT_TRANSLATE_NOOP("Options", "--check needs a game folder"));
  if (!o.deleteSave.empty() && o.gameFolder.empty())
    parsed.error = said(QT_TRANSLATE_NOOP("Options", "--delete-save needs a game folder"));
  // Both open the game, each its own way.
  if (static_cast<int>(!o.loadSave.empty()) + static_cast<int>(o.start) + static_cast<int>(o.resume) > 1)
    parsed.error = said(QT_TRANSLATE_NOOP("Options", "--load-save, --start and --resume each open the game: give one"));
  if (o.fresh && o.gameFolder.empty())
    parsed.error = said(QT_TRANSLATE_NOOP("Options", "--fresh needs a game folder or a zip archive"));
  return parsed;
}

}  // namespace taluvin
