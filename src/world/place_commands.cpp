// "setpos=", the exit commands "norte=" … "descer=", "cleardir" and "getdir".
#include "world/place_commands.h"

#include "base/text.h"
#include "script/script_file.h"
#include "world/register_access.h"

namespace taluvin {

namespace {

// slot 1 = script name (empty: no exit that way)
Flow setExit(ScriptInterpreter& ip, GameSession::Exit exit) {
  ip.session().exits[exit] = ip.arg(1);
  ip.Trace += ip.arg(1);
  return Flow::Done;
}

}  // namespace

std::optional<GameSession::Exit> exitNamed(std::string_view word) {
  struct Direction {
    std::string_view word;
    GameSession::Exit exit;
  };
  static constexpr Direction kDirections[] = {
      {"norte", GameSession::North}, {"sul", GameSession::South},  {"leste", GameSession::East},
      {"oeste", GameSession::West},  {"entrar", GameSession::In},  {"sair", GameSession::Out},
      {"subir", GameSession::Up},    {"descer", GameSession::Down},
  };
  for (const auto& d : kDirections)
    if (d.word == word) return d.exit;
  return std::nullopt;
}

Flow cmdSetPlace(ScriptInterpreter& ip) {
  // slot 1 = place name, set even when no script of that name exists
  static const std::string kMissing = w(" <- não existe este script");
  auto& s = ip.session();
  s.Posic = ip.arg(1);
  ip.Trace += ip.arg(1);
  if (!scriptExists(s, ip.arg(1))) ip.Trace += kMissing;
  return Flow::Done;
}

Flow cmdExitNorth(ScriptInterpreter& ip) { return setExit(ip, GameSession::North); }
Flow cmdExitSouth(ScriptInterpreter& ip) { return setExit(ip, GameSession::South); }
Flow cmdExitEast(ScriptInterpreter& ip) { return setExit(ip, GameSession::East); }
Flow cmdExitWest(ScriptInterpreter& ip) { return setExit(ip, GameSession::West); }
Flow cmdExitIn(ScriptInterpreter& ip) { return setExit(ip, GameSession::In); }
Flow cmdExitOut(ScriptInterpreter& ip) { return setExit(ip, GameSession::Out); }
Flow cmdExitUp(ScriptInterpreter& ip) { return setExit(ip, GameSession::Up); }
Flow cmdExitDown(ScriptInterpreter& ip) { return setExit(ip, GameSession::Down); }

Flow cmdClearExits(ScriptInterpreter& ip) {
  // no arguments
  for (auto& exit : ip.session().exits) exit.clear();
  return Flow::Done;
}

Flow cmdGetExit(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = direction word
  static const std::string kUnknown = w(" <--- direção desconhecida");
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  ip.Trace += ',';
  ip.Trace += ip.arg(2);
  auto& s = ip.session();
  const auto exit = exitNamed(ip.arg(2));
  // An empty exit reads as no direction at all, so the register keeps what it held.
  if (!exit || s.exits[*exit].empty()) {
    ip.Trace += kUnknown;
    return Flow::Done;
  }
  noteIfCut(ip, s.registers.set(*n, s.exits[*exit]));
  return Flow::Done;
}

}  // namespace taluvin
