// Register commands that set text: values, appended text, trimming, literals, parameters, game values.
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
