// Conditions on registers: the jumping "ifreg" family, the executing "if" family, the player kind.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdIfRegEqual(ScriptInterpreter& ip);
Flow cmdIfRegDiffers(ScriptInterpreter& ip);
Flow cmdIfRegGreater(ScriptInterpreter& ip);
Flow cmdIfRegLess(ScriptInterpreter& ip);
Flow cmdIfEqual(ScriptInterpreter& ip);
Flow cmdIfDiffers(ScriptInterpreter& ip);
Flow cmdIfGreater(ScriptInterpreter& ip);
Flow cmdIfLess(ScriptInterpreter& ip);
Flow cmdIfBetween(ScriptInterpreter& ip);
Flow cmdIfMa(ScriptInterpreter& ip);
Flow cmdIfGen(ScriptInterpreter& ip);

}  // namespace taluvin
