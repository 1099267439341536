// Conditions on objects, jumping to a label on where an object is.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdIfObjectAt(ScriptInterpreter& ip);
Flow cmdIfObjectNotAt(ScriptInterpreter& ip);
Flow cmdIfCarried(ScriptInterpreter& ip);
Flow cmdIfHere(ScriptInterpreter& ip);
Flow cmdIfHave(ScriptInterpreter& ip);

}  // namespace taluvin
