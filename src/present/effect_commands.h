// Effect commands: "cinza=" (the grey and tint filter) and "chuva=" (the rain).
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdGrey(ScriptInterpreter& ip);
Flow cmdRain(ScriptInterpreter& ip);

}  // namespace taluvin
