// Saving, loading and resetting state: the register file, registers from a script file, "reset".
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdSaveRegs(ScriptInterpreter& ip);
Flow cmdLoadRegs(ScriptInterpreter& ip);
Flow cmdReset(ScriptInterpreter& ip);

}  // namespace taluvin
