// Saving, loading and resetting registers, and the "reset" command.
#include "world/register_file_commands.h"

#include "base/name_case.h"
#include "base/numbers.h"
#include "base/run_abort.h"
#include "base/text.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "world/register_access.h"

#include <algorithm>
#include <filesystem>

namespace taluvin {

namespace {

const std::string kNoFile = w(" <--- arquivo não existe");

// slot 1 = file, slot 2 = first register, slot 3 = first line, slot 4 = quantity
void loadRegistersFromScript(ScriptInterpreter& ip) {
  static const std::string kNoRegister = w(" <--- não definiu registrador inicial");
  static const std::string kRegisterNotNumber = w(" <--- registrador inicial não numérico");
  static const std::string kRegisterOutOfRange = w(" <--- registrador fora da faixa");
  static const std::string kLineNotNumber = w(" <--- índice inicial não numérico");
  static const std::string kLineOutOfRange = w(" <--- índice maior que total de linhas");
  static const std::string kQuantityNotNumber = w(" <--- quantidade não numérica");
  static const std::string kQuantityOutOfRange = w(" <--- quantidade maior que total de linhas");
  auto& s = ip.session();
  std::string name = ip.arg(1);
  if (name.find(".scp") == std::string::npos) name += ".scp";
  auto path = s.resolveName(name);
  if (!path || !fileExists(*path)) {
    ip.Trace += kNoFile;
    return;
  }
  // Only the lines the command can copy are kept, each at most one character longer than a register
  // (so a cut shows); the rest is only counted for the range checks.
  const auto firstWanted = parseInt(ip.arg(3));
  const auto quantityWanted = parseInt(ip.arg(4));
  const int64_t wanted = firstWanted && quantityWanted && *firstWanted >= 0 && *quantityWanted >= 0
                             ? int64_t{*firstWanted} + *quantityWanted
                             : 0;
  const LinesWithin file = readLinesWithin(*path, static_cast<size_t>(wanted), kMaxRegisterText + 1);
  const Lines& lines = file.lines;
  const auto lineCount = static_cast<int64_t>(lines.size() + file.linesLeftOut);

  if (ip.arg(2).empty()) {
    ip.Trace += kNoRegister;
    return;
  }
  auto firstRegister = parseInt(ip.arg(2));
  if (!firstRegister) {
    ip.Trace += kRegisterNotNumber;
    return;
  }
  if (*firstRegister < 0 || *firstRegister > s.RegCount) {
    ip.Trace += kRegisterOutOfRange;
    return;
  }
  auto firstLine = parseInt(ip.arg(3));
  if (!firstLine) {
    ip.Trace += kLineNotNumber;
    return;
  }
  if (*firstLine < 0 || *firstLine >= lineCount) {
    ip.Trace += kLineOutOfRange;
    return;
  }
  auto quantity = parseInt(ip.arg(4));
  if (!quantity) {
    ip.Trace += kQuantityNotNumber;
    return;
  }
  if (*quantity < 0 || *quantity > lineCount) {
    ip.Trace += kQuantityOutOfRange;
    return;
  }
  // A range past the file's last line or the table's last register aborts the run where it runs
  // out; what was copied before stays.
  bool whole = true;
  for (int64_t k = 0; k < *quantity; ++k) {
    const int64_t line = int64_t{*firstLine} + k;
    if (line >= static_cast<int64_t>(lines.size())) abortIndexOutOfBounds(line);
    whole &= s.registers.set(int64_t{*firstRegister} + k, lines[static_cast<size_t>(line)]);
  }
  noteIfCut(ip, whole);
}

}  // namespace

// The files that make the game itself: its scripts, settings, register and object files. Saved maps
// and similar files are what a game discards; these would leave it unplayable. Letter case is
// ignored, as it is on the file systems games are often made on.
bool isGameOwnFile(const GameSession& s, const std::string& name) {
  const auto slash = name.find_last_of("/\\");
  const std::string file = foldedName(slash == std::string::npos ? name : name.substr(slash + 1));
  const auto dot = file.rfind('.');
  const std::string extension = dot == std::string::npos ? std::string() : file.substr(dot);
  if (extension == ".scp" || extension == ".ini" || extension == ".obj") return true;
  const std::string base = dot == std::string::npos ? file : file.substr(0, dot);
  return base == foldedName(s.GameName) && (extension == ".rgs" || extension == ".obx" || extension == ".obz");
}

namespace {

// slot 2 = name of a file in the game folder
void deleteSavedMap(ScriptInterpreter& ip) {
  static const std::string kGameOwnFile = w(" <--- arquivo do jogo não pode ser apagado");
  const std::string& name = ip.arg(2);
  if (isGameOwnFile(ip.session(), name)) {
    ip.Trace += kGameOwnFile;
    return;
  }
  // A missing file is not worth a marker: discarding a map that was never saved is the usual case.
  auto path = ip.session().resolveName(name);
  if (!path || !fileExists(*path)) return;
  std::error_code error;
  std::filesystem::remove(std::filesystem::path(*path), error);
  ip.session().folderNames.clear();
}

// slot 2 = object name; empty or "todos" for every object
void reloadObjects(ScriptInterpreter& ip) {
  auto& s = ip.session();
  for (const auto& name : s.objects.reload(s.GameFolder, s.folderNames, ip.arg(2))) ip.Trace += kNoFile + " (" + name + ".obj)";
  if (s.gameOpen()) s.objects.saveTable(s.gameFile(".obx"));
}

}  // namespace

Flow cmdSaveRegs(ScriptInterpreter& ip) {
  // no arguments
  auto& s = ip.session();
  if (s.gameOpen()) s.registers.save(s.gameFile(".rgs"));
  return Flow::Done;
}

Flow cmdLoadRegs(ScriptInterpreter& ip) {
  // slot 1 = script file (empty: the game's register file), slots 2 to 4 = first register, first line, quantity
  auto& s = ip.session();
  if (ip.Trace.on()) ip.Trace += ip.arg(1) + "," + ip.arg(2) + "," + ip.arg(3) + "," + ip.arg(4);
  if (!ip.arg(1).empty()) {
    loadRegistersFromScript(ip);
    return Flow::Done;
  }
  // A missing register file would leave no registers at all; the table stays as it is instead.
  const std::string path = s.gameFile(".rgs");
  if (!s.gameOpen() || !fileExists(path)) {
    ip.Trace += kNoFile;
    return Flow::Done;
  }
  for (const auto& cut : s.registers.load(path)) ip.Trace += " <--- " + cut;
  // An emptied register file still gives the table its register count promises, as opening a game does.
  if (s.registers.size() == 0) s.registers.reset(s.RegCount);
  return Flow::Done;
}

Flow cmdReset(ScriptInterpreter& ip) {
  // slot 1 = "regs"/"reg", "objs"/"obj" or "mapa"; slot 2 = object name or map file
  auto& s = ip.session();
  const std::string& what = ip.arg(1);
  ip.Trace += what;
  if (what == "regs" || what == "reg") {
    // Registers 0 to N - 1 are emptied; register N keeps its value.
    const auto count = std::min<int64_t>(s.RegCount, static_cast<int64_t>(s.registers.size()));
    for (int64_t k = 0; k < count; ++k) s.registers.at(k).clear();
  } else if (what == "objs" || what == "obj") {
    reloadObjects(ip);
  } else if (what == "mapa") {
    deleteSavedMap(ip);
  }
  return Flow::Done;
}

}  // namespace taluvin
