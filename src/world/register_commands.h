// Register commands that set text: plain values, appended text, trimming, text literals, link
// parameters and game-state values.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdRegSet(ScriptInterpreter& ip);
Flow cmdRegAppend(ScriptInterpreter& ip);
Flow cmdRegTrim(ScriptInterpreter& ip);
Flow cmdRegText(ScriptInterpreter& ip);
Flow cmdParam(ScriptInterpreter& ip);
Flow cmdGetVar(ScriptInterpreter& ip);

}  // namespace taluvin
