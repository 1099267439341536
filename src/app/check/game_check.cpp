// The checker's findings, its file lookups, and the order it reads a game folder in.
#include "app/check/game_check.h"

#include "app/command_table.h"
#include "app/check/game_check_context.h"
#include "app/check/game_check_keywords.h"
#include "base/name_case.h"
#include "base/text.h"
#include "present/picture_file.h"
#include "script/parsed_script.h"
#include "services/sound_probe.h"
#include "state/game_paths.h"
#include "state/text_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

const char* kindWord(NamedFile kind) {
  switch (kind) {
    case NamedFile::Script:
      return "script";
    case NamedFile::Picture:
      return "picture";
    case NamedFile::Sound:
      return "sound";
    case NamedFile::Music:
      return "music";
    case NamedFile::Font:
      return "font";
  }
  return "file";
}

// The file a name stands for: scripts and fonts are named without their extension.
std::string fileNameOf(NamedFile kind, const std::string& name) {
  if (kind == NamedFile::Script) return name + ".scp";
  if (kind == NamedFile::Font) return name + ".ttf";
  return name;
}

// TrueType, OpenType and collections open with one of these four tags.
std::string fontProblem(const std::string& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  char tag[4] = {};
  if (!in.read(tag, 4)) return "too short for a font";
  const std::string_view head(tag, 4);
  if (head == std::string_view("\0\1\0\0", 4) || head == "true" || head == "OTTO" || head == "ttcf") return {};
  return "not a TrueType or OpenType font";
}

}  // namespace

std::string quoted(const std::string& cp1252) { return "\"" + cp1252ToUtf8(cp1252) + "\""; }

GameCheck::GameCheck(const std::string& folder, const CommandIndex& commands) : commands_(commands) {
  session_.ProgramFolder = folder;
  session_.GameFolder = folder;
}

void GameCheck::report(const std::string& file, int line, std::string message) {
  findings_.push_back({file, line, std::move(message)});
}

std::vector<CheckFinding> GameCheck::sortedFindings() const {
  std::vector<CheckFinding> sorted = findings_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const CheckFinding& a, const CheckFinding& b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  return sorted;
}

void GameCheck::checkNamedFile(const std::string& file, int line, NamedFile kind, const std::string& name,
                               const std::string& what) {
  for (auto& message : namedFileProblems(kind, name, what)) report(file, line, std::move(message));
}

void GameCheck::checkScriptName(const std::string& file, int line, const std::string& given, const std::string& what) {
  for (auto& message : scriptNameProblems(given, what)) report(file, line, std::move(message));
}

void GameCheck::checkColour(const std::string& file, int line, const std::string& colour, const std::string& what) {
  if (std::string message = colourProblem(colour, what); !message.empty()) report(file, line, std::move(message));
}

std::vector<std::string> GameCheck::namedFileProblems(NamedFile kind, const std::string& name, const std::string& what) {
  std::vector<std::string> problems;
  const std::string fileName = fileNameOf(kind, name);
  const std::string subject = (what.empty() ? std::string(kindWord(kind)) : what) + " " + quoted(name);
  const NameLookup lookup = lookUpName(folder(), fileName, session_.folderNames);
  if (!lookup.path) {
    problems.push_back(subject + " lies outside the game folder");
    return problems;
  }
  const std::string shown = fileName == name ? std::string() : " (" + cp1252ToUtf8(fileName) + ")";
  if (!fileExists(*lookup.path)) {
    const std::string meant = kind == NamedFile::Script ? closestScripts(name) : std::string();
    problems.push_back(subject + " does not exist" + shown + (meant.empty() ? "" : "; did you mean " + meant + "?"));
    return problems;
  }
  // The player finds these all the same; the author hears of them, as a game moved to a system
  // that tells letter case apart would not.
  if (!lookup.foundAs.empty())
    problems.push_back(subject + " is found as \"" + lookup.foundAs + "\" (letter case differs)");
  if (!lookup.alsoThere.empty()) {
    std::string others;
    for (const std::string& other : lookup.alsoThere) others += (others.empty() ? "\"" : ", \"") + other + "\"";
    const std::string taken = lookup.foundAs.empty() ? cp1252ToUtf8(fileName) : lookup.foundAs;
    problems.push_back(subject + " could also be " + others + " (letter case differs); \"" + taken + "\" is used");
  }
  const std::string problem = problemWith(kind, *lookup.path, fileName);
  if (!problem.empty()) problems.push_back(subject + " cannot be read: " + problem);
  return problems;
}

std::vector<std::string> GameCheck::scriptNameProblems(const std::string& given, const std::string& what) {
  const std::string name = given.substr(0, given.find('&'));
  if (name.empty() || name[0] == '@' || name == "xvlt" || name == "picFmap" || given.rfind("http://", 0) == 0 ||
      given.rfind("https://", 0) == 0)
    return {};
  return namedFileProblems(NamedFile::Script, name, what);
}

std::string GameCheck::colourProblem(const std::string& colour, const std::string& what) const {
  const bool six = colour.size() == 6 && std::all_of(colour.begin(), colour.end(), [](char c) {
                     return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                   });
  if (six) return {};
  return (what.empty() ? std::string("colour") : what) + " " + quoted(colour) + " is not six hexadecimal digits RRGGBB";
}

std::optional<QSize> GameCheck::pictureSize(const std::string& name) {
  if (auto known = pictureSizes_.find(name); known != pictureSizes_.end()) return known->second;
  std::optional<QSize> size;
  const auto path = session_.resolveName(name);
  if (path && fileExists(*path)) {
    const PictureLoad load = loadPictureFile(*path, name);
    if (load.ok()) size = load.image.size();
  }
  pictureSizes_.emplace(name, size);
  return size;
}

std::string GameCheck::closestScripts(const std::string& missing) const {
  // Rooms are often numbered: "sala3" missing is no slip for "sala1", which is another room.
  auto withoutDigits = [](std::string name) {
    std::erase_if(name, [](char c) { return c >= '0' && c <= '9'; });
    return foldedName(name);
  };
  constexpr size_t kMostShown = 3;
  const std::string folded = foldedName(missing);
  const size_t allowed = std::min<size_t>(2, std::max<size_t>(1, missing.size() / 3));
  std::vector<std::string> close;
  for (const std::string& name : scriptNames) {
    if (withoutDigits(name) == withoutDigits(missing)) continue;
    if (close.size() < kMostShown && editDistance(foldedName(name), folded) <= allowed) close.push_back(quoted(name));
  }
  return orList(close);
}

std::string GameCheck::problemWith(NamedFile kind, const std::string& path, const std::string& name) {
  const auto key = std::make_pair(kind, path);
  if (auto found = problems_.find(key); found != problems_.end()) return found->second;
  std::string problem;
  switch (kind) {
    case NamedFile::Script:
      break;
    case NamedFile::Picture: {
      const PictureLoad load = loadPictureFile(path, name);
      if (!load.ok()) problem = load.error.empty() ? std::string("unreadable") : load.error;
      break;
    }
    case NamedFile::Sound:
      problem = soundFileProblem(path, SoundUse::Effect);
      break;
    case NamedFile::Music:
      problem = soundFileProblem(path, SoundUse::Music);
      break;
    case NamedFile::Font:
      problem = fontProblem(path);
      break;
  }
  problems_.emplace(key, problem);
  return problem;
}

int checkGameFolder(const std::string& folder, const std::string& programName, std::ostream& out) {
  GameCheck check(folder, commandTable());
  std::vector<std::string> scripts;  // UTF-8 file names, as the folder spells them
  std::error_code ec;
  for (fs::directory_iterator it(fs::path(folder), ec), done; !ec && it != done; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    // The player finds "SALA.SCP" for the script "sala", so it is a script to check too.
    if (name.size() > 4 && foldedName(name.substr(name.size() - 4)) == ".scp" && it->is_regular_file(typeError))
      scripts.push_back(name);
  }
  std::sort(scripts.begin(), scripts.end());
  for (const auto& name : scripts) check.scriptNames.push_back(cp1252NameOf(name.substr(0, name.size() - 4)));

  checkSettingsFiles(check, programName);
  checkRegisterFile(check);
  checkObjectFiles(check);
  if (std::none_of(scripts.begin(), scripts.end(), [](const std::string& name) { return foldedName(name) == "start.scp"; }))
    check.report("start.scp", 1, "the game has no start script start.scp; nothing can start it");

  if (fileExists(folder + programName + ".ini")) checkEncoding(check, programName + ".ini");
  if (!check.session().GameName.empty()) {
    for (const char* extension : {".ini", ".rgs", ".obx", ".obz"}) {
      const auto path = check.session().resolveName(check.session().GameName + extension);
      if (path && fileExists(*path)) checkEncoding(check, path->substr(folder.size()));
    }
  }

  // Each script read once, as the player reads it; vocabularies, data files and model switches
  // are known before any is checked.
  std::vector<std::unique_ptr<ParsedScript>> parsed;
  for (const auto& name : scripts) {
    auto lines = std::make_shared<const Lines>(readLines(folder + name));  // the folder's own spelling
    parsed.push_back(std::make_unique<ParsedScript>(std::move(lines), check.commands()));
    collectVocabularies(check, name, *parsed.back());
  }
  std::vector<const ParsedScript*> parsedScripts;
  for (const auto& script : parsed) parsedScripts.push_back(script.get());
  findFirstModelLine(check, scripts, parsedScripts);
  auto namedIn = [](const std::set<std::string>& names, const std::string& folded) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& named) { return foldedName(named) == folded; });
  };
  for (size_t i = 0; i < scripts.size(); ++i) {
    const std::string& name = scripts[i];
    checkEncoding(check, name);
    if (namedIn(check.dataFiles, foldedName(cp1252NameOf(name)))) continue;
    // A vocabulary nothing names (its name misspelt where it is named) is still one, not lines of
    // unknown commands.
    if (namedIn(check.vocabularies, foldedName(check.scriptNames[i])) || shapedLikeVocabulary(*parsed[i]))
      checkVocabularyLines(check, name, *parsed[i]->lines());
    else
      checkScriptLines(check, name, *parsed[i]);
  }

  const auto findings = check.sortedFindings();
  for (const auto& f : findings) out << f.file << ':' << f.line << ": " << f.message << '\n';
  return findings.empty() ? kCheckClean : kCheckFindings;
}

}  // namespace taluvin
