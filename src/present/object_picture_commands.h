// Object pictures and the monitor's shapes: "showobj=", "dispobj=" and "shape=".
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdShowObject(ScriptInterpreter& ip);
Flow cmdObjectGrid(ScriptInterpreter& ip);
Flow cmdShape(ScriptInterpreter& ip);

}  // namespace taluvin
