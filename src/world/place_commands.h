// Places and exits: the current place, the eight exit scripts and reading them back.
#pragma once

#include "script/interpreter.h"
#include "state/game_session.h"

#include <optional>
#include <string_view>

namespace taluvin {

// The exit a direction word names ("norte", "sul", "leste", "oeste", "entrar", "sair", "subir",
// "descer"), or nothing for any other word.
std::optional<GameSession::Exit> exitNamed(std::string_view word);

Flow cmdSetPlace(ScriptInterpreter& ip);
Flow cmdExitNorth(ScriptInterpreter& ip);
Flow cmdExitSouth(ScriptInterpreter& ip);
Flow cmdExitEast(ScriptInterpreter& ip);
Flow cmdExitWest(ScriptInterpreter& ip);
Flow cmdExitIn(ScriptInterpreter& ip);
Flow cmdExitOut(ScriptInterpreter& ip);
Flow cmdExitUp(ScriptInterpreter& ip);
Flow cmdExitDown(ScriptInterpreter& ip);
Flow cmdClearExits(ScriptInterpreter& ip);
Flow cmdGetExit(ScriptInterpreter& ip);

}  // namespace taluvin
