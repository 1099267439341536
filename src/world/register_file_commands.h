// Commands that save, load and reset the game's state: the register file, registers loaded from a
// script file, and the "reset" of registers, objects and the saved map.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdSaveRegs(ScriptInterpreter& ip);
Flow cmdLoadRegs(ScriptInterpreter& ip);
Flow cmdReset(ScriptInterpreter& ip);

}  // namespace taluvin
