// The command that switches the screen model: "modo=", "setmode=", "mode=".
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdMode(ScriptInterpreter& ip);

}  // namespace taluvin
