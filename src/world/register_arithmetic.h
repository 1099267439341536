// Register arithmetic: integer sums, products, quotients, the decimal quotient and the random draw.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdRegAdd(ScriptInterpreter& ip);
Flow cmdRegSub(ScriptInterpreter& ip);
Flow cmdRegMul(ScriptInterpreter& ip);
Flow cmdRegDiv(ScriptInterpreter& ip);
Flow cmdRegRealDiv(ScriptInterpreter& ip);
Flow cmdRegRandom(ScriptInterpreter& ip);

}  // namespace taluvin
