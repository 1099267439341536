// Saving, loading and resetting state: the register file, registers from a script file, "reset".
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdSaveRegs(ScriptInterpreter& ip);
Flow cmdLoadRegs(ScriptInterpreter& ip);
Flow cmdReset(ScriptInterpreter& ip);

// The files that make the game itself (scripts, settings, its register and object files): never
// deleted or overwritten by a command that handles the files a game keeps beside them.
bool isGameOwnFile(const GameSession& s, const std::string& name);

}  // namespace taluvin
