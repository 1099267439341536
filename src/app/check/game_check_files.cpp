// The checker's reading of the settings, register, object and vocabulary files, and of encodings.
#include "app/check/game_check_context.h"
#include "app/check/game_check_settings.h"

#include "base/numbers.h"
#include "base/text.h"
#include "state/game_paths.h"
#include "state/object_store.h"
#include "state/register_table.h"

#include <QString>
#include <fstream>
#include <iterator>

namespace taluvin {

namespace {

int fileLine(size_t index) { return static_cast<int>(index) + 1; }

std::string utf8(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

// The game's name as the program's settings give it; its files are named after it.
std::string gameNameOf(GameCheck& check) { return check.session().GameName; }

}  // namespace

void checkSettingsFiles(GameCheck& check, const std::string& programName) {
  GameSession& s = check.session();
  const std::string programFile = programName + ".ini";
  Settings program;
  if (!fileExists(s.GameFolder + programFile)) {
    check.report(programFile, 1, "the program's settings file is missing; its line 5 names the game");
    return;
  }
  program.load(s.GameFolder + programFile);
  s.GameName = program.line(4);
  if (!program.line(13).empty())
    check.checkNamedFile(programFile, fileLine(13), NamedFile::Picture, program.line(13), "the opening picture");
  if (s.GameName.empty()) {
    check.report(programFile, fileLine(4), "no game name; the game's files are named after it");
    return;
  }
  if (!isPlainGameName(s.GameName)) {
    check.report(programFile, fileLine(4), "the game name " + quoted(s.GameName) + " is not a plain file name");
    s.GameName.clear();
    return;
  }
  const std::string gameFile = utf8(s.GameName) + ".ini";
  if (!fileExists(s.gameFile(".ini"))) {
    check.report(programFile, fileLine(4), "the game " + quoted(s.GameName) + " has no settings file " + gameFile);
    return;
  }
  Settings& st = check.settings();
  st.load(s.gameFile(".ini"));
  check.registerCount = toIntOr(st.line(5), 250);

  for (const auto& [index, meaning] : kScriptLines) {
    if (st.line(index).empty()) continue;
    check.checkScriptName(gameFile, fileLine(index), st.line(index), meaning);
  }
  if (!st.line(17).empty()) check.vocabularies.insert(st.line(17));
  for (const auto& [index, meaning] : kPictureLines)
    if (!st.line(index).empty()) check.checkNamedFile(gameFile, fileLine(index), NamedFile::Picture, st.line(index), meaning);
  // The end button shows "U-" + name, and "D-" + name while it is pressed.
  if (const std::string& button = st.line(kEndButtonLine); !button.empty()) {
    for (const char* prefix : {"U-", "D-"})
      check.checkNamedFile(gameFile, fileLine(kEndButtonLine), NamedFile::Picture, prefix + button,
                           "the end button's picture");
  }
  for (const auto& [index, meaning] : kColourLines)
    if (!st.line(index).empty()) check.checkColour(gameFile, fileLine(index), st.line(index), meaning);
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
                 "holds registers 0 to " + std::to_string(table.size() - 1) + ", but the game's settings count " +
                     std::to_string(check.registerCount) + "; \"#" + std::to_string(table.size()) +
                     "\" and above would end a run");
  }
}

void checkObjectFiles(GameCheck& check) {
  GameSession& s = check.session();
  if (gameNameOf(check).empty()) return;
  const bool hasTable = fileExists(s.gameFile(".obx"));
  const bool hasCatalogue = fileExists(s.gameFile(".obz"));
  if (!hasTable && !hasCatalogue) return;
  const std::string tableFile = utf8(s.GameName) + ".obx";
  const std::string catalogueFile = utf8(s.GameName) + ".obz";
  const Lines table = readLines(s.gameFile(".obx"));
  const Lines catalogue = readLines(s.gameFile(".obz"));
  const size_t partial = table.size() % kObjectRecordLines;
  const size_t records = table.size() / kObjectRecordLines + (partial != 0 ? 1 : 0);
  if (partial != 0)
    check.report(tableFile, static_cast<int>(table.size()),
                 "the last record has " + std::to_string(partial) + " of its " + std::to_string(kObjectRecordLines) +
                     " lines (key, nom, dsc, loc, shp, tag and two spare lines)");
  if (records != catalogue.size())
    check.report(tableFile, 1,
                 std::to_string(records) + " records of " + std::to_string(kObjectRecordLines) + " lines, but " +
                     catalogueFile + " names " + std::to_string(catalogue.size()) +
                     (catalogue.size() == 1 ? " object" : " objects"));
  // Each record's picture, as the object commands show it.
  for (size_t line = kObjectShape; line < table.size(); line += kObjectRecordLines)
    if (!table[line].empty()) check.checkNamedFile(tableFile, fileLine(line), NamedFile::Picture, table[line]);
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
