// "ifnor", "ifsul", "ifles", "ifoes", "ifdir=", "ifloc=" and "ifloc#".
#include "world/place_conditions.h"

#include "base/text.h"
#include "script/script_file.h"
#include "state/game_session.h"
#include "world/place_commands.h"

namespace taluvin {

namespace {

// slot 1 = command word, slots 2.. = its arguments
Flow executeWithExit(ScriptInterpreter& ip, GameSession::Exit exit) {
  // The echo joins all nine slots, empty ones included, so a false condition shows exactly what
  // the line carried.
  for (int slot = 1; slot <= ScriptInterpreter::kSlots; ++slot) {
    if (slot > 1) ip.Trace += ',';
    ip.Trace += ip.arg(slot);
  }
  if (ip.session().exits[exit].empty()) return Flow::Done;
  return ip.executeFrom(1);
}

}  // namespace

Flow cmdIfNorth(ScriptInterpreter& ip) { return executeWithExit(ip, GameSession::North); }
Flow cmdIfSouth(ScriptInterpreter& ip) { return executeWithExit(ip, GameSession::South); }
Flow cmdIfEast(ScriptInterpreter& ip) { return executeWithExit(ip, GameSession::East); }
Flow cmdIfWest(ScriptInterpreter& ip) { return executeWithExit(ip, GameSession::West); }

Flow cmdIfExitLink(ScriptInterpreter& ip) {
  // slot 1 = direction word, slot 2 = item, slots 3.. = the rest of a panel link's arguments
  static const std::string kNoExit = w(" <--- não existe movimento nesta direção");
  static const std::string kPanelLink = "lnkfnc=";
  const auto exit = exitNamed(ip.arg(1));
  const std::string script = exit ? ip.session().exits[*exit] : std::string();
  if (script.empty()) {
    ip.Trace += ip.arg(2);
    ip.Trace += kNoExit;
    return Flow::Done;
  }
  // The line becomes a panel link to the exit's script; its row lies after this one, so testing
  // goes on and reaches it within this step.
  ip.Cmd = kPanelLink;
  ip.Args[1] = std::move(ip.Args[2]);
  ip.Args[2] = script;
  if (ip.Trace.on()) ip.Trace = "Exec: " + kPanelLink + " ";
  return Flow::Done;
}

Flow cmdIfPlace(ScriptInterpreter& ip) {
  // slot 1 = place name, slot 2 = label
  static const std::string kNoPlace = w(" <--- script do local não existe");
  static const std::string kNoLabel = w(" <--- não existe este label no script");
  auto& s = ip.session();
  ip.Trace += ip.arg(1);
  if (!scriptExists(s, ip.arg(1))) {
    ip.Trace += kNoPlace;
    return Flow::Done;
  }
  if (ip.findLabel(ip.arg(2)) < 0) {
    ip.Trace += kNoLabel;
    return Flow::Done;
  }
  return ip.jumpIf(s.Posic == ip.arg(1), ip.arg(2));
}

Flow cmdIfNotPlace(ScriptInterpreter& ip) {
  // slot 1 = place name, slot 2 = label; the line says nothing of its own, only the jump does
  if (ip.session().Posic == ip.arg(1)) return Flow::Done;
  std::string label = ip.arg(2);
  ip.Cmd = "goto";
  ip.Args[1] = std::move(label);
  return Flow::Jump;
}

}  // namespace taluvin
