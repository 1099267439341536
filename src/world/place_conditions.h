// Conditions on exits and on the current place, and the panel link an exit makes.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdIfNorth(ScriptInterpreter& ip);
Flow cmdIfSouth(ScriptInterpreter& ip);
Flow cmdIfEast(ScriptInterpreter& ip);
Flow cmdIfWest(ScriptInterpreter& ip);
Flow cmdIfExitLink(ScriptInterpreter& ip);
Flow cmdIfPlace(ScriptInterpreter& ip);
Flow cmdIfNotPlace(ScriptInterpreter& ip);

}  // namespace taluvin
