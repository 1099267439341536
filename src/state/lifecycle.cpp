// Start-up, game opening and exit saving.
#include "state/lifecycle.h"

#include "base/numbers.h"
#include "base/text.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "state/state_writer.h"

namespace taluvin {

namespace {

void takeNamesFromSettings(GameSession& s) {
  const auto& st = s.settings;
  s.RegCount = toIntOr(st.line(5), 250);  // an unreadable count keeps the usual table
  if (std::string refusal = registerCountError(s.RegCount); !refusal.empty()) {
    s.notices.push_back(refusal + "; the table holds " + std::to_string(kMaxRegisterCount));
    s.RegCount = kMaxRegisterCount;
  }
  s.IniScp = st.line(6);
  s.Script = st.line(7);
  s.RetScp = st.line(8);
  s.Objeto = st.line(9);
  s.Posic = st.line(10);
}

}  // namespace

void startUpSession(GameSession& s, const std::string& programFolder, const std::string& programName) {
  s.ProgramFolder = programFolder;
  s.ProgramName = programName;
  s.RegCount = 250;
  s.Modelo = "1";
  s.playerKind = "jog";
  s.Script = s.IniScp = s.RetScp = "start";
  s.typingSpeed = 7;
  // A settings file linked out of the folder is not read: the game folder is all a game may show.
  if (resolveInFolder(s.ProgramFolder, utf8ToCp1252(s.ProgramName) + ".ini", s.folderNames))
    s.settings.load(s.programSettingsPath());
  s.GameName = s.settings.line(4);
  takeNamesFromSettings(s);
  s.ScriptLines.clear();
  s.objects.clear();
  s.registers.reset(s.RegCount);
  s.PageLines.clear();
  s.carriedLine95 = s.settings.line(95);
  s.Language = s.settings.line(79);
  s.textAlignment = "left";
  s.model4Width = 640;
  s.model4Height = 420;
}

std::string folderToUrl(const std::string& folder) {
  std::string source = folder;
  std::string url = "file:///";
  if (source.size() > 1 && source[1] == ':') {
    source[1] = '|';  // a drive letter, as in C:\Games\ -> file:///C|/Games/
  } else if (!source.empty() && source[0] == '/') {
    source.erase(0, 1);  // an absolute path already starts at the root the third slash names
  }
  // The folder's bytes are native (UTF-8 letters of any script), while the page is Windows-1252
  // text: escaped, the address is plain ASCII and means the same in both.
  static const char kHex[] = "0123456789ABCDEF";
  for (char c : source) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      url += '/';
    } else if (byte <= ' ' || byte >= 0x7F || c == '%' || c == '#' || c == '?' || c == '"' || c == '>' || c == '<') {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0x0F];
    } else {
      url += c;
    }
  }
  return url;
}

std::string openGameFiles(GameSession& s, const std::string& gameName) {
  static const std::string kNotOpened = "; the game is not opened";
  // A name such as "../other" would read, and at exit write, the game's files outside its folder.
  if (!isPlainGameName(gameName))
    return "the game name \"" + gameName + "\" (settings line 4) is not a plain file name" + kNotOpened;
  // Nor may one of its files be a link out of the folder: the game would be shown another file.
  // Checked once here, the paths of these files need no check while the game runs.
  for (const char* extension : {".ini", ".rgs", ".obx", ".obz"}) {
    if (!resolveInFolder(s.ProgramFolder, gameName + extension, s.folderNames))
      return "the game's file \"" + gameName + extension + "\" leads out of its folder" + kNotOpened;
  }
  s.GameName = gameName;
  s.GameFolder = s.ProgramFolder;
  s.FolderUrl = folderToUrl(s.GameFolder);
  // A program killed mid-save leaves its temporaries behind; they are never a save of their own.
  StateWriter::removeLeftoverTemporaries({s.programSettingsPath(), s.gameFile(".ini"), s.gameFile(".rgs"),
                                          s.gameFile(".obx"), s.gameFile(".obz")});
  s.settings.load(s.gameFile(".ini"));
  for (Lines cuts : {s.registers.load(s.gameFile(".rgs")), s.objects.loadCatalogue(s.gameFile(".obz")),
                     s.objects.loadTable(s.gameFile(".obx"))})
    s.notices.insert(s.notices.end(), cuts.begin(), cuts.end());
  takeNamesFromSettings(s);
  // A game without a register file still gets the table its register count promises.
  if (s.registers.size() == 0) s.registers.reset(s.RegCount);
  s.ScriptCmd = s.settings.line(17);
  const auto& model = s.settings.line(26);
  if (!model.empty()) s.Modelo = model;
  return {};
}

void putSessionLines(Settings& settings, const GameSession& s) {
  settings.set(4, s.GameName);
  settings.set(5, std::to_string(s.RegCount));
  settings.set(6, s.IniScp);
  settings.set(7, s.Script);
  settings.set(8, s.RetScp);
  settings.set(9, s.Objeto);
  settings.set(10, s.Posic);
  settings.set(95, s.carriedLine95);
}

namespace {

void putExitLines(Settings& st, const GameSession& s, const ExitGeometry& g) {
  st.padForWriting();
  st.set(0, std::to_string(g.left));
  st.set(1, std::to_string(g.top));
  putSessionLines(st, s);
  st.set(11, std::to_string(g.contentWidth));
  st.set(12, std::to_string(g.contentHeight));
}

}  // namespace

void addRunSettings(StateSet& set, const GameSession& s, const ExitGeometry& g) {
  // A "defini=" change lasts until the game is opened again, and opening reads this very file: it
  // keeps the lines it was opened with, and gets those the exit steps fill in. The program's own
  // settings file is the exit steps' alone; a resume reads the game's.
  Settings written;
  written.assign(s.settings.loadedLines());
  putExitLines(written, s, g);
  // The writer leaves the file alone when it already holds these bytes, so a run that changed none
  // of the lines does not write it; one whose save failed is written again by the next run.
  set.add(s.gameFile(".ini"), written.lines());
}

void writeExitFiles(GameSession& s, const ExitGeometry& g) {
  // A folder holding no game (neither the program's settings file nor a start script) was named
  // by mistake: it is left exactly as it was.
  const auto startScript = resolveInFolder(s.ProgramFolder, "start.scp", s.folderNames);
  if (!fileExists(s.programSettingsPath()) && !(startScript && fileExists(*startScript))) return;
  auto& st = s.settings;
  putExitLines(st, s, g);
  StateSet files;
  files.add(s.programSettingsPath(), st.lines());
  // Before a game is opened its folder is unknown; its files are left alone rather than
  // written into whatever folder the program was started from.
  if (s.gameOpen()) {
    files.add(s.gameFile(".ini"), st.lines());
    files.add(s.gameFile(".rgs"), s.registers.lines());
    if (!s.objects.table().empty()) files.add(s.gameFile(".obx"), s.objects.table());
    if (!s.objects.names.empty()) files.add(s.gameFile(".obz"), s.objects.names);
  }
  files.submit();
  // The program ends after this: everything must be on disk first.
  StateWriter::instance().drain();
}

}  // namespace taluvin
