// The checker's walk over a script: command words, labels and what each argument names.
#include "app/check/game_check_context.h"
#include "app/check/game_check_keywords.h"
#include "app/check/game_check_lines.h"

#include "base/name_case.h"
#include "base/numbers.h"
#include "present/picture_file.h"
#include "present/picture_placement.h"
#include "present/quote_forms.h"
#include "script/parsed_script.h"

#include <algorithm>
#include <optional>
#include <set>

namespace taluvin {

namespace {

// Carried commands may carry commands in turn; no sensible line nests deeper than this.
constexpr int kDeepestCarry = 8;

std::string lowered(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

class ScriptWalk {
 public:
  // The script's lines as the player reads them: kinds, words, rows and argument pieces.
  ScriptWalk(GameCheck& check, const std::string& file, const ParsedScript& script, bool collectOnly)
      : check_(check), file_(file), script_(script), lines_(*script.lines()), collectOnly_(collectOnly) {}

  void run() {
    const int count = static_cast<int>(script_.size());
    for (int i = 0; i < count; ++i) {
      const ParsedLine& line = script_.line(static_cast<size_t>(i));
      switch (line.kind) {
        case LineKind::Blank:
        case LineKind::Comment:
          break;
        case LineKind::Label:
          checkLabelLine(i, line.text);
          break;
        case LineKind::QuoteText:
          i = quoteText(i, line.text);
          break;
        case LineKind::Command:
          i = commandLine(i, line);
          break;
      }
    }
  }

 private:
  void report(int index, std::string message) {
    if (!collectOnly_) check_.report(file_, index + 1, std::move(message));
  }

  // Returns the last line of a quote text opening on line `first`: the first line from there
  // holding a closing quote after the opening one, or the script's last line. Its lines that
  // start with "#" are the web page's inline forms, which name scripts and pictures.
  int quoteText(int first, std::string_view opening) {
    std::string_view piece = opening.substr(1);
    int last = first;
    while (piece.find('\'') == std::string_view::npos && last + 1 < static_cast<int>(lines_.size())) {
      if (!piece.empty() && piece[0] == '#') pageForm(last, piece);
      piece = trimView(lines_[static_cast<size_t>(++last)]);
    }
    if (piece.find('\'') == std::string_view::npos) reportUnclosed(first, last, "quote text");
    return last;
  }

  // Returns the last line a text literal opening in an argument on line `first` takes: the first
  // line holding a quote after the opening's own leading one, or the script's last line.
  int textLiteral(int first, std::string_view opening) {
    if (!opening.empty() && opening[0] == '\'') opening.remove_prefix(1);
    std::string_view piece = trimView(opening);
    int last = first;
    while (piece.find('\'') == std::string_view::npos && last + 1 < static_cast<int>(lines_.size()))
      piece = trimView(lines_[static_cast<size_t>(++last)]);
    if (piece.find('\'') == std::string_view::npos) reportUnclosed(first, last, "text literal");
    return last;
  }

  // A text never closed takes every line after it: they are shown, or stored, as text, and none of
  // their commands runs. Worth telling when that swallows more than blank lines.
  void reportUnclosed(int first, int last, const char* what) {
    bool swallows = false;
    for (int i = first + 1; i <= last && !swallows; ++i) swallows = !trimView(lines_[static_cast<size_t>(i)]).empty();
    if (!swallows) return;
    report(first, std::string("the ") + what + " opening here is never closed with \"'\": lines " +
                      std::to_string(first + 2) + " to " + std::to_string(last + 1) +
                      ", the rest of the script, are taken as its text and none of their commands runs");
  }

  void pageForm(int index, std::string_view line) {
    const QuoteForm form = readQuoteForm(line);
    if (form.name == "lnk") {
      scriptName(index, form.a[1]);
    } else if (form.name == "shp") {
      if (!form.a[1].empty()) file(index, NamedFile::Picture, form.a[1]);
    } else if (form.name == "fig") {
      if (!form.a[1].empty()) file(index, NamedFile::Picture, form.a[1]);
      scriptName(index, form.a[2]);
    }
  }

  void checkLabelLine(int index, std::string_view label) {
    const int first = script_.findLabel(label.substr(1));
    if (first >= 0 && first != index)
      report(index, "label " + quoted(std::string(label)) + " again; jumps find the first, at line " +
                        std::to_string(first + 1));
  }

  // Returns the last line the command takes (a text literal runs over the following lines).
  int commandLine(int index, const ParsedLine& line) {
    ArgumentSlots args;
    const ArgumentPiece* pieces = script_.pieces(line);
    for (int k = 0; k < line.pieceCount; ++k) {
      const ArgumentPiece& piece = pieces[k];
      args[static_cast<size_t>(k + 1)] = std::string(piece.text);
      if (piece.namesRegister) checkRegisterReference(index, piece, line.wholeRest);
    }
    if (line.entry < 0) {
      report(index, unknownWordMessage(check_.commands(), line.word));
      return index;
    }
    return command(index, line.word, args, line.pieceCount, 0);
  }

  int command(int index, std::string_view word, const ArgumentSlots& args, int given, int depth) {
    const int entry = check_.commands().find(word);
    if (entry < 0) {
      report(index, unknownWordMessage(check_.commands(), word));
      return index;
    }
    const ArgumentRoles roles = check_.commands()[static_cast<size_t>(entry)].rolesOf(word, args);
    modelCommand(index, word, entry, args[1]);
    if (collectOnly_ && entry == check_.commands().find("loadregs") && !args[1].empty() && args[1][0] != '#')
      check_.dataFiles.insert(foldedName(registerDataFileName(args[1])));
    int last = index;
    for (int slot = 1; slot <= roles.count(); ++slot) {
      const ArgumentRole role = roles[slot];
      const std::string& arg = args[static_cast<size_t>(slot)];
      if (arg.empty()) continue;
      if (role == ArgumentRole::Command) {
        if (depth < kDeepestCarry)
          last = std::max(last, command(index, arg, carried(args, slot), std::max(0, given - slot), depth + 1));
        continue;
      }
      if (role == ArgumentRole::TextLiteral) {
        last = std::max(last, textLiteral(index, arg));
        continue;
      }
      if (arg[0] == '#') continue;  // built from a register when the line runs
      named(index, role, arg);
    }
    if (!collectOnly_) checkCommandArguments(check_, {file_, index + 1, word, entry, args, given, roles});
    return last;
  }

  // The slots after the carried command word move down to slot 1, 2, ...
  static ArgumentSlots carried(const ArgumentSlots& args, int commandSlot) {
    ArgumentSlots shifted;
    for (int slot = 1; slot + commandSlot <= 9; ++slot)
      shifted[static_cast<size_t>(slot)] = args[static_cast<size_t>(slot + commandSlot)];
    return shifted;
  }

  void named(int index, ArgumentRole role, const std::string& arg) {
    switch (role) {
      case ArgumentRole::Script:
        scriptName(index, arg);
        break;
      case ArgumentRole::Vocabulary:
        if (collectOnly_) check_.vocabularies.insert(arg);
        scriptName(index, arg);
        break;
      case ArgumentRole::Label:
        label(index, arg);
        break;
      case ArgumentRole::GosubTarget:
        if (arg[0] == ':')
          label(index, arg.substr(1));
        else
          scriptName(index, arg);
        break;
      case ArgumentRole::Picture:
        file(index, NamedFile::Picture, arg);
        break;
      case ArgumentRole::PictureOrText:
        pictureOrText(index, arg, isPictureName);
        break;
      case ArgumentRole::WebPictureOrText:
        pictureOrText(index, arg, [](const std::string& name) { return namesPicture(name); });
        break;
      case ArgumentRole::Sound:
        file(index, NamedFile::Sound, arg);
        break;
      case ArgumentRole::Music:
        file(index, NamedFile::Music, arg);
        break;
      case ArgumentRole::Font:
        file(index, NamedFile::Font, arg);
        break;
      case ArgumentRole::Register:
        registerNumber(index, arg);
        break;
      case ArgumentRole::Colour:
        colour(index, arg);
        break;
      case ArgumentRole::ColourOrNone:
        if (arg != "0") colour(index, arg);
        break;
      case ArgumentRole::None:
      case ArgumentRole::Command:
      case ArgumentRole::TextLiteral:
      case ArgumentRole::File:
      case ArgumentRole::Number:
      case ArgumentRole::Text:
      case ArgumentRole::Object:
      case ArgumentRole::Place:
      case ArgumentRole::Property:
      case ArgumentRole::Surface:
      case ArgumentRole::Direction:
      case ArgumentRole::Switch:
      case ArgumentRole::Stamp:
      case ArgumentRole::Language:
      case ArgumentRole::Word:
        break;
    }
  }

  // A slot shown as a picture when its text names one (by the test given), as text otherwise; a
  // picture's extension in capitals is an author's slip worth telling.
  template <typename NamesPicture>
  void pictureOrText(int index, const std::string& arg, NamesPicture namesOne) {
    if (namesOne(arg))
      file(index, NamedFile::Picture, arg);
    else if (namesOne(lowered(arg)))
      report(index, quoted(arg) +
                        " shows as text, not as a picture: pictures are known by \".gif\", \".png\", \".jpg\" or "
                        "\".bmp\" in small letters");
  }

  void colour(int index, const std::string& arg) {
    if (!collectOnly_) check_.checkColour(file_, index + 1, arg);
  }

  void file(int index, NamedFile kind, const std::string& name) {
    if (!collectOnly_) check_.checkNamedFile(file_, index + 1, kind, name);
  }

  void scriptName(int index, const std::string& given) {
    if (!collectOnly_) check_.checkScriptName(file_, index + 1, given);
  }

  void label(int index, const std::string& name) {
    if (script_.findLabel(name) < 0) report(index, "no label " + quoted(":" + name) + " in this script");
  }

  std::string tableRange() const {
    return "(registers 0 to " + std::to_string(static_cast<long long>(check_.registerTableSize) - 1) + ")";
  }

  void registerNumber(int index, const std::string& arg) {
    const auto n = parseInt(arg);
    if (n && (*n < 0 || static_cast<size_t>(*n) >= check_.registerTableSize))
      report(index, "register " + std::to_string(*n) + " is outside the table " + tableRange());
  }

  // "#N" is register N's text while N is below the register count and the table holds it; past
  // the count it stays the text "N", and past the table the run ends. The message commands read
  // any register named, so one the table lacks ends the run.
  void checkRegisterReference(int index, const ArgumentPiece& piece, bool wholeRest) {
    const std::string text(piece.text);
    const auto n = piece.registerNumber;
    const bool inTable = n >= 0 && static_cast<size_t>(n) < check_.registerTableSize;
    if (wholeRest) {
      if (!inTable) report(index, quoted(text) + " names no register " + tableRange() + "; the run would end here");
      return;
    }
    // "#" followed by no number reads register 0, as the line means nothing else by it.
    if (!parseInt(piece.text.substr(1))) return;
    if (!inTable || n >= check_.registerCount) report(index, quoted(text) + " names no register " + tableRange());
  }

  // A game that opens in model 4 shows the monitor window only when a script switches to it;
  // "modo= 4" in that model changes nothing. Such a line is surely a mistake where nothing else
  // switches the model at all, or at the start before any other model line.
  void modelCommand(int index, std::string_view word, int entry, const std::string& model) {
    const CommandIndex& commands = check_.commands();
    if (entry != commands.find("modo=")) return;
    const bool same = word == "modo=" && parseInt(model) == check_.openingModel;
    if (collectOnly_) {
      if (!same) check_.modelSwitchedElsewhere = true;
      return;
    }
    const bool atStart = (foldedName(file_) == "start.scp" && !modelCommandSeen_) ||
                         (file_ == check_.firstModelFile && index + 1 == check_.firstModelLine);
    modelCommandSeen_ = true;
    if (same && check_.openingModel == 4 && (!check_.modelSwitchedElsewhere || atStart))
      report(index, "\"modo= 4\" changes nothing in a game that opens in model 4 (settings line 26), so the monitor "
                    "window never shows; write \"mode= 4\"");
  }

  GameCheck& check_;
  const std::string& file_;
  const ParsedScript& script_;
  const Lines& lines_;
  bool collectOnly_;
  bool modelCommandSeen_ = false;
};

}  // namespace

void findFirstModelLine(GameCheck& check, const std::vector<std::string>& files,
                        const std::vector<const ParsedScript*>& scripts) {
  const CommandIndex& commands = check.commands();
  const int modelRow = commands.find("modo=");
  const int scriptRow = commands.find("script");
  auto scriptNamed = [&](std::string_view name) -> std::optional<size_t> {
    const std::string folded = foldedName(std::string(name) + ".scp");
    for (size_t i = 0; i < files.size(); ++i)
      if (foldedName(cp1252NameOf(files[i])) == folded) return i;
    return std::nullopt;
  };
  std::optional<size_t> at = scriptNamed("start");
  std::set<size_t> walked;
  // Only lines that surely run in order are followed: any jump, condition, carried command or
  // quote text ends the walk, and the first model line then stays unknown.
  while (at && walked.insert(*at).second) {
    const ParsedScript& script = *scripts[*at];
    std::optional<size_t> next;
    for (size_t i = 0; i < script.size() && !next; ++i) {
      const ParsedLine& line = script.line(i);
      if (line.kind == LineKind::QuoteText) return;
      if (line.kind != LineKind::Command || line.entry < 0) continue;
      if (line.entry == modelRow) {
        check.firstModelFile = files[*at];
        check.firstModelLine = static_cast<int>(i) + 1;
        return;
      }
      const CommandEntry& row = commands[static_cast<size_t>(line.entry)];
      if (line.entry == scriptRow && line.pieceCount >= 1) {
        const std::string_view name = script.pieces(line)[0].text;
        if (name.empty() || name[0] == '#' || name[0] == '@') return;
        next = scriptNamed(name.substr(0, name.find('&')));
        if (!next) return;
        continue;
      }
      for (const char* stop : {"fim", "gosub", "return", "recall=", "encerrar"})
        if (line.entry == commands.find(stop)) return;
      const ArgumentRoles roles = row.rolesOf(line.word, ArgumentSlots{});
      for (int slot = 1; slot <= roles.count(); ++slot)
        if (roles[slot] == ArgumentRole::Command || roles[slot] == ArgumentRole::Label) return;
    }
    at = next;
  }
}

void collectVocabularies(GameCheck& check, const std::string& file, const ParsedScript& script) {
  ScriptWalk(check, file, script, true).run();
}

void checkScriptLines(GameCheck& check, const std::string& file, const ParsedScript& script) {
  ScriptWalk(check, file, script, false).run();
}

}  // namespace taluvin
