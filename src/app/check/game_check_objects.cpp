// The checker's reading of the object table, the per-object files and the files "loadregs" copies.
#include "app/check/game_check_context.h"

#include "base/numbers.h"
#include "base/text.h"
#include "state/game_paths.h"
#include "state/object_store.h"

#include <algorithm>
#include <set>

namespace taluvin {

namespace {

int fileLine(size_t index) { return static_cast<int>(index) + 1; }

std::string utf8(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

const std::string kRecordLines = "(key, nom, dsc, loc, shp, tag and two spare lines)";

// The name of a found file as the checker reports it: relative to the game folder.
std::string reportedName(const GameCheck& check, const std::string& path) { return path.substr(check.folder().size()); }

// Each record opens with a catalogue name, so the first record followed by no key eight lines on
// is the one that ran short or long; every record after it is read out of place. The keys are
// looked for in any order, as commands find a record by its key. Reports it and returns true, or
// returns false when the keys give nothing to measure by.
bool reportMisfitRecord(GameCheck& check, const std::string& tableFile, const Lines& table) {
  // A short record is rarely short by more than one record's length.
  constexpr size_t kSearched = 2 * kObjectRecordLines;
  const std::set<std::string> keys(check.objectNames.begin(), check.objectNames.end());
  const auto isKey = [&keys](const std::string& line) { return !line.empty() && keys.count(line) != 0; };
  for (size_t start = 0; start < table.size() && isKey(table[start]); start += kObjectRecordLines) {
    const size_t following = start + kObjectRecordLines;
    if (following >= table.size() || isKey(table[following])) continue;
    const size_t end = std::min(table.size(), start + kSearched);
    for (size_t q = start + 1; q < end; ++q) {
      // A record's own name line may repeat its key; the next record opens with another.
      if (!isKey(table[q]) || table[q] == table[start]) continue;
      const size_t lines = q - start;
      const std::string size = lines < kObjectRecordLines
                                   ? "has " + std::to_string(lines) + " of its " + std::to_string(kObjectRecordLines) + " lines"
                                   : "has " + std::to_string(lines) + " lines, not " + std::to_string(kObjectRecordLines);
      check.report(tableFile, fileLine(start),
                   "the record of " + quoted(table[start]) + " " + size + " " + kRecordLines + ": the next object " +
                       quoted(table[q]) + " starts on line " + std::to_string(q + 1) +
                       ", so every record after it is read out of place");
      return true;
    }
    return false;
  }
  return false;
}

}  // namespace

void checkObjectFiles(GameCheck& check) {
  GameSession& s = check.session();
  if (s.GameName.empty()) return;
  const bool hasTable = fileExists(s.gameFile(".obx"));
  const bool hasCatalogue = fileExists(s.gameFile(".obz"));
  if (!hasTable && !hasCatalogue) return;
  const std::string tableFile = utf8(s.GameName) + ".obx";
  const std::string catalogueFile = utf8(s.GameName) + ".obz";
  const Lines table = readLines(s.gameFile(".obx"));
  ObjectStore catalogue;
  catalogue.setCatalogue(readLines(s.gameFile(".obz")));
  check.objectNames = catalogue.names;
  const size_t partial = table.size() % kObjectRecordLines;
  const size_t records = table.size() / kObjectRecordLines + (partial != 0 ? 1 : 0);
  if (!reportMisfitRecord(check, tableFile, table) && partial != 0)
    check.report(tableFile, static_cast<int>(table.size()),
                 "the last record has " + std::to_string(partial) + " of its " + std::to_string(kObjectRecordLines) +
                     " lines " + kRecordLines);
  if (records != check.objectNames.size())
    check.report(tableFile, 1,
                 std::to_string(records) + " records of " + std::to_string(kObjectRecordLines) + " lines, but " +
                     catalogueFile + " names " + std::to_string(check.objectNames.size()) +
                     (check.objectNames.size() == 1 ? " object" : " objects"));
  // Each record's picture, as the object commands show it.
  for (size_t line = kObjectShape; line < table.size(); line += kObjectRecordLines)
    if (!table[line].empty()) check.checkNamedFile(tableFile, fileLine(line), NamedFile::Picture, table[line]);

  // The per-object files are read only by "reset objs", which puts their first eight lines in place
  // of the object's record as they are.
  for (const std::string& name : check.objectNames) {
    const auto path = s.resolveName(name + ".obj");
    if (!path || !fileExists(*path)) continue;
    const std::string file = reportedName(check, *path);
    const Lines record = readLines(*path);
    if (record.size() < kObjectRecordLines)
      check.report(file, std::max(1, static_cast<int>(record.size())),
                   "has " + std::to_string(record.size()) + " of the " + std::to_string(kObjectRecordLines) +
                       " lines of the object's record " + kRecordLines);
    if (!record.empty() && record[kObjectKey] != name)
      check.report(file, 1,
                   "the first line " + quoted(record[kObjectKey]) + " is not the object's key " + quoted(name) +
                       "; after \"reset objs\" scripts no longer find the object by its name");
    if (record.size() > kObjectShape && !record[kObjectShape].empty())
      check.checkNamedFile(file, fileLine(kObjectShape), NamedFile::Picture, record[kObjectShape]);
  }
}

void checkObjectReset(GameCheck& check, const std::string& file, int line, const std::string& name) {
  auto missing = [&](const std::string& objectName) {
    const auto path = check.session().resolveName(objectName + ".obj");
    return !path || !fileExists(*path);
  };
  if (name.empty() || name == "todos") {
    std::vector<std::string> absent;
    for (const std::string& objectName : check.objectNames)
      if (missing(objectName)) absent.push_back(quoted(objectName + ".obj"));
    if (absent.empty()) return;
    constexpr size_t kMostShown = 5;
    const size_t count = absent.size();
    if (count > kMostShown) {
      absent.resize(kMostShown);
      absent.push_back(std::to_string(count - kMostShown) + " more");
    }
    std::string listed;
    for (size_t i = 0; i < absent.size(); ++i) listed += (i == 0 ? "" : i + 1 == absent.size() ? " and " : ", ") + absent[i];
    check.report(file, line,
                 "\"reset objs\" reloads every object from its own file, but " + listed +
                     (count == 1 ? " does" : " do") + " not exist; such an object keeps only its key");
    return;
  }
  if (std::find(check.objectNames.begin(), check.objectNames.end(), name) == check.objectNames.end()) {
    check.report(file, line, quoted(name) + " is no object of the catalogue; nothing is reloaded");
    return;
  }
  if (missing(name))
    check.report(file, line, "the object file " + quoted(name + ".obj") + " does not exist; the object keeps its record");
}

std::string registerDataFileName(const std::string& given) {
  return given.find(".scp") == std::string::npos ? given + ".scp" : given;
}

void checkRegisterDataFile(GameCheck& check, const std::string& file, int line, const ArgumentSlots& args) {
  const std::string name = registerDataFileName(args[1]);
  const auto path = check.session().resolveName(name);
  if (!path || !fileExists(*path)) {
    check.report(file, line, "the file " + quoted(name) + " that loadregs copies from does not exist");
    return;
  }
  for (int slot = 2; slot <= 4; ++slot)
    if (!args[static_cast<size_t>(slot)].empty() && args[static_cast<size_t>(slot)][0] == '#') return;
  const auto firstRegister = parseInt(args[2]);
  const auto firstLine = parseInt(args[3]);
  const auto quantity = parseInt(args[4]);
  const int64_t lineCount = static_cast<int64_t>(readLines(*path).size());
  const std::string data = quoted(name) + " has " + std::to_string(lineCount) + (lineCount == 1 ? " line" : " lines");
  if (!firstRegister || !firstLine || !quantity) {
    const char* what = !firstRegister ? "first register" : !firstLine ? "first line" : "count of lines";
    check.report(file, line, std::string("loadregs needs a number for its ") + what + "; it copies nothing");
    return;
  }
  if (*firstRegister < 0 || *firstRegister > check.registerCount) {
    check.report(file, line, "the first register " + std::to_string(*firstRegister) + " is outside the table (registers 0 to " +
                                 std::to_string(check.registerCount) + "); loadregs copies nothing");
    return;
  }
  if (*firstLine < 0 || *firstLine >= lineCount) {
    check.report(file, line, "loadregs starts at line " + std::to_string(*firstLine) + " (counted from 0), but " + data +
                                 "; it copies nothing");
    return;
  }
  if (*quantity < 0 || *quantity > lineCount) {
    check.report(file, line, "loadregs copies " + std::to_string(*quantity) + " lines, but " + data + "; it copies nothing");
    return;
  }
  if (int64_t{*firstLine} + *quantity > lineCount) {
    check.report(file, line, "lines " + std::to_string(*firstLine) + " to " + std::to_string(int64_t{*firstLine} + *quantity - 1) +
                                 " (counted from 0) run past the end, as " + data + "; the run would end there");
    return;
  }
  const int64_t lastRegister = int64_t{*firstRegister} + *quantity - 1;
  if (*quantity > 0 && lastRegister >= static_cast<int64_t>(check.registerTableSize))
    check.report(file, line, "registers " + std::to_string(*firstRegister) + " to " + std::to_string(lastRegister) +
                                 " run past the table (registers 0 to " + std::to_string(check.registerTableSize - 1) +
                                 "); the run would end there");
}

}  // namespace taluvin
