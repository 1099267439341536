// What the checker's parts share: the game as read, the findings, and the file lookups.
#pragma once

#include "script/command_entry.h"
#include "state/game_session.h"

#include <QSize>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace taluvin {

class ParsedScript;

struct CheckFinding {
  std::string file;  // relative to the game folder, UTF-8
  int line;          // counted from 1
  std::string message;  // UTF-8
};

// Kinds of file a script or settings line names; each is looked up, and decoded, its own way.
enum class NamedFile { Script, Picture, Sound, Music, Font };

class GameCheck {
 public:
  GameCheck(const std::string& folder, const CommandIndex& commands);

  const CommandIndex& commands() const { return commands_; }
  const std::string& folder() const { return session_.GameFolder; }
  // The game's settings (the game's own file replaces the program's, as when it opens).
  const Settings& settings() const { return session_.settings; }
  Settings& settings() { return session_.settings; }
  GameSession& session() { return session_; }

  // Registers a script or the "#N" form may name: the table as the register file fills it, and
  // the count of settings line 5 that bounds "#N".
  size_t registerTableSize = 0;
  int registerCount = 250;

  // Scripts read as vocabularies ("phrase | script" lines) rather than as commands.
  std::set<std::string> vocabularies;
  // Files "loadregs" copies lines from (folded file names): data, not commands.
  std::set<std::string> dataFiles;
  // The object catalogue, sorted as the player keeps it.
  std::vector<std::string> objectNames;
  // The folder's scripts, Windows-1252 names without ".scp", for "did you mean".
  std::vector<std::string> scriptNames;

  // The model the game opens in (settings line 26), and whether any script switches the model in
  // a way that shows the monitor or leaves that model ("mode=", "setmode=", "modo=" to another).
  int openingModel = 1;
  bool modelSwitchedElsewhere = false;
  // The model line a new game surely runs first: start.scp's, or that of the script start.scp
  // hands on to before any model line; file as reported, line from 1 (0: none known).
  std::string firstModelFile;
  int firstModelLine = 0;

  // file: UTF-8 relative name; message: UTF-8.
  void report(const std::string& file, int line, std::string message);
  std::vector<CheckFinding> sortedFindings() const;

  // A literal file name (Windows-1252, as scripts write it) checked as what it names: reported at
  // file:line when it does not exist, is found only in another letter case, could be one of several
  // names differing only in letter case, or cannot be decoded.
  // `what` says where the name comes from when that helps ("the opening picture").
  void checkNamedFile(const std::string& file, int line, NamedFile kind, const std::string& name,
                      const std::string& what = {});
  // A script name as scripts and settings give it: aliases ("@norte", "xvlt"), web addresses and
  // the map toggle name no file, and link parameters after "&" are no part of the name.
  void checkScriptName(const std::string& file, int line, const std::string& given, const std::string& what = {});
  // A literal colour: six hexadecimal digits.
  void checkColour(const std::string& file, int line, const std::string& colour, const std::string& what = {});
  // The same three as messages, for callers that say where the name came from in their own words.
  std::vector<std::string> namedFileProblems(NamedFile kind, const std::string& name, const std::string& what = {});
  std::vector<std::string> scriptNameProblems(const std::string& given, const std::string& what = {});
  std::string colourProblem(const std::string& colour, const std::string& what = {}) const;

  // The size of the picture a name finds, when it decodes; decoded once per file.
  std::optional<QSize> pictureSize(const std::string& name);
  // Folder scripts whose names are a slip away from a missing one, quoted and joined with "or".
  std::string closestScripts(const std::string& missing) const;

 private:
  // The reason the file at path, named so, cannot be used as the kind, or empty when it can;
  // decoded once per file.
  std::string problemWith(NamedFile kind, const std::string& path, const std::string& name);

  const CommandIndex& commands_;
  GameSession session_;
  std::vector<CheckFinding> findings_;
  std::map<std::pair<NamedFile, std::string>, std::string> problems_;
  std::map<std::string, std::optional<QSize>> pictureSizes_;
};

// The parts of a check, each in its own file. Files are named relative to the game folder (UTF-8).
// The game's settings (and the program's, naming the game), its register table and object files.
void checkSettingsFiles(GameCheck& check, const std::string& programName);
void checkRegisterFile(GameCheck& check);
void checkObjectFiles(GameCheck& check);
// Scripts named as vocabularies by the lines of a script, added to check.vocabularies.
void collectVocabularies(GameCheck& check, const std::string& file, const ParsedScript& script);
void checkScriptLines(GameCheck& check, const std::string& file, const ParsedScript& script);
// Sets firstModelLine from the folder's scripts (files as reported, each with its parsed lines).
void findFirstModelLine(GameCheck& check, const std::vector<std::string>& files,
                        const std::vector<const ParsedScript*>& scripts);
void checkVocabularyLines(GameCheck& check, const std::string& file, const Lines& lines);
// Whether a script's lines are shaped like a vocabulary's, whatever names it.
bool shapedLikeVocabulary(const ParsedScript& script);
// A "reset objs" line (name: the object, or empty or "todos" for all) against the per-object
// files it reads, and a "loadregs" line against the file it copies from.
void checkObjectReset(GameCheck& check, const std::string& file, int line, const std::string& name);
void checkRegisterDataFile(GameCheck& check, const std::string& file, int line, const ArgumentSlots& args);
// The file a "loadregs" name reads: ".scp" is added when the name does not hold it.
std::string registerDataFileName(const std::string& given);
// A file read as Windows-1252 that holds UTF-8 letters instead.
void checkEncoding(GameCheck& check, const std::string& file);

// Text as a message quotes it: Windows-1252 bytes shown in UTF-8.
std::string quoted(const std::string& cp1252);

}  // namespace taluvin
