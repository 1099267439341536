// The checker's reading of the settings, register and vocabulary files, and of encodings.
#include "app/check/game_check_context.h"
#include "app/check/game_check_settings.h"

#include "base/numbers.h"
#include "script/parsed_script.h"
#include "base/text.h"
#include "state/game_paths.h"
#include "state/register_table.h"

#include <QString>
#include <fstream>
#include <iterator>

namespace taluvin {

namespace {

int fileLine(size_t index) { return static_cast<int>(index) + 1; }

std::string utf8(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

// A settings line is named both ways: where an editor finds it, and the index the program reads.
void reportSettingsLine(GameCheck& check, const std::string& file, size_t index, const std::string& message) {
  check.report(file, fileLine(index), "settings line " + std::to_string(index) + ": " + message);
}

// The game's name as the program's settings give it; its files are named after it.
std::string gameNameOf(GameCheck& check) { return check.session().GameName; }

}  // namespace

void checkSettingsFiles(GameCheck& check, const std::string& programName) {
  GameSession& s = check.session();
  const std::string programFile = programName + ".ini";
  Settings program;
  if (!fileExists(s.GameFolder + programFile)) {
    check.report(programFile, 1, "the program's settings file is missing; its settings line 4 names the game");
    return;
  }
  program.load(s.GameFolder + programFile);
  s.GameName = program.line(4);
  if (!program.line(13).empty())
    for (const auto& problem : check.namedFileProblems(NamedFile::Picture, program.line(13), "the opening picture"))
      reportSettingsLine(check, programFile, 13, problem);
  if (s.GameName.empty()) {
    reportSettingsLine(check, programFile, 4, "no game name; the game's files are named after it");
    return;
  }
  if (!isPlainGameName(s.GameName)) {
    reportSettingsLine(check, programFile, 4, "the game name " + quoted(s.GameName) + " is not a plain file name");
    s.GameName.clear();
    return;
  }
  const std::string gameFile = utf8(s.GameName) + ".ini";
  if (!fileExists(s.gameFile(".ini"))) {
    reportSettingsLine(check, programFile, 4, "the game " + quoted(s.GameName) + " has no settings file " + gameFile);
    return;
  }
  Settings& st = check.settings();
  st.load(s.gameFile(".ini"));
  check.registerCount = toIntOr(st.line(5), 250);
  check.openingModel = toIntOr(st.line(26), 1);

  for (const auto& [index, meaning] : kScriptLines) {
    if (st.line(index).empty()) continue;
    for (const auto& problem : check.scriptNameProblems(st.line(index), meaning))
      reportSettingsLine(check, gameFile, index, problem);
  }
  if (!st.line(17).empty()) check.vocabularies.insert(st.line(17));
  for (const auto& [index, meaning] : kPictureLines) {
    if (st.line(index).empty()) continue;
    for (const auto& problem : check.namedFileProblems(NamedFile::Picture, st.line(index), meaning))
      reportSettingsLine(check, gameFile, index, problem);
  }
  // The end button shows "U-" + name, and "D-" + name while it is pressed.
  if (const std::string& button = st.line(kEndButtonLine); !button.empty()) {
    for (const char* prefix : {"U-", "D-"})
      for (const auto& problem : check.namedFileProblems(NamedFile::Picture, prefix + button, "the end button's picture"))
        reportSettingsLine(check, gameFile, kEndButtonLine, problem);
  }
  for (const auto& [index, meaning] : kColourLines) {
    if (st.line(index).empty()) continue;
    if (const std::string problem = check.colourProblem(st.line(index), meaning); !problem.empty())
      reportSettingsLine(check, gameFile, index, problem);
  }
}

void checkRegisterFile(GameCheck& check) {
  GameSession& s = check.session();
  const size_t countedTable = static_cast<size_t>(std::max(check.registerCount, 0)) + 1;
  check.registerTableSize = countedTable;
  if (gameNameOf(check).empty() || !fileExists(s.gameFile(".rgs"))) return;
  const std::string file = utf8(s.GameName) + ".rgs";
  RegisterTable table;
  for (const auto& notice : table.load(s.gameFile(".rgs"))) check.report(file, 1, cp1252ToUtf8(notice));
  // The table is what the file holds; an empty file gets the table the count promises.
  if (table.size() == 0) return;
  check.registerTableSize = table.size();
  if (table.size() < static_cast<size_t>(check.registerCount)) {
    check.report(file, static_cast<int>(table.size()),
                 "holds registers 0 to " + std::to_string(table.size() - 1) + ", but the game's settings line 5 counts " +
                     std::to_string(check.registerCount) + "; \"#" + std::to_string(table.size()) +
                     "\" and above would end a run");
  }
}

void checkVocabularyLines(GameCheck& check, const std::string& file, const Lines& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = trimView(lines[i]);
    if (line.empty()) continue;
    const auto bar = line.find('|');
    if (bar == std::string_view::npos) {
      check.report(file, fileLine(i), "a vocabulary line without \"|\" between its phrase and its script");
      continue;
    }
    const std::string script(trimView(line.substr(bar + 1)));
    if (!script.empty()) check.checkScriptName(file, fileLine(i), script);
  }
}

bool shapedLikeVocabulary(const ParsedScript& script) {
  size_t phrases = 0, others = 0;
  for (size_t i = 0; i < script.size(); ++i) {
    const ParsedLine& line = script.line(i);
    if (line.kind == LineKind::Blank) continue;
    const size_t bar = line.text.find('|');
    // "LOOK | olhar" reads as the word "LOOK", which is no keyword; "/HIDDEN | x" as a comment.
    const bool phrase = bar != std::string_view::npos && bar > 0 &&
                        ((line.kind == LineKind::Command && line.entry < 0) || line.kind == LineKind::Comment);
    ++(phrase ? phrases : others);
  }
  // A script may hold a stray line of that shape; a vocabulary is made of them.
  return phrases >= 2 && phrases >= 3 * others;
}

void checkEncoding(GameCheck& check, const std::string& file) {
  std::ifstream in(check.folder() + file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t first = 0;
  while (first < bytes.size() && static_cast<unsigned char>(bytes[first]) < 0x80) ++first;
  if (first == bytes.size()) return;
  // Windows-1252 text with letters beyond ASCII is almost never valid UTF-8 by chance.
  const QByteArray raw = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const QString decoded = QString::fromUtf8(raw);
  if (decoded.contains(QChar::ReplacementCharacter)) return;
  size_t end = first + 1;
  while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) ++end;
  const std::string letter = bytes.substr(first, end - first);
  // Lines end at CR LF, a lone CR or a lone LF, as the program reads them.
  int line = 1;
  for (size_t i = 0; i < first; ++i)
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
  check.report(file, line,
               "the file is UTF-8, but the game's text files are read as Windows-1252: \"" + letter +
                   "\" would show as \"" + cp1252ToUtf8(letter) + "\"");
}

}  // namespace taluvin
