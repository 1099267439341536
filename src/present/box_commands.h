// Text box and memo commands: "btxt=", "memo", "margem", "scrollbar=".
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdTextBox(ScriptInterpreter& ip);
Flow cmdMemo(ScriptInterpreter& ip);
Flow cmdMargins(ScriptInterpreter& ip);
Flow cmdScrollBar(ScriptInterpreter& ip);

}  // namespace taluvin
