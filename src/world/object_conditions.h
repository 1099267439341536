// Conditions on objects, all jumping to a label: where an object is, whether the player carries
// it, whether it lies at the current place.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdIfObjectAt(ScriptInterpreter& ip);
Flow cmdIfObjectNotAt(ScriptInterpreter& ip);
Flow cmdIfCarried(ScriptInterpreter& ip);
Flow cmdIfHere(ScriptInterpreter& ip);
Flow cmdIfHave(ScriptInterpreter& ip);

}  // namespace taluvin
