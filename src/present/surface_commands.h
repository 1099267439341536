// Commands that clear, refresh, save and scroll the screen's surfaces, and the console's top bar.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdClearText(ScriptInterpreter& ip);
Flow cmdClearScreen(ScriptInterpreter& ip);
Flow cmdClearBuffer(ScriptInterpreter& ip);
Flow cmdClearPanel(ScriptInterpreter& ip);
Flow cmdClearTotal(ScriptInterpreter& ip);
Flow cmdRefresh(ScriptInterpreter& ip);
Flow cmdSaveBuffer(ScriptInterpreter& ip);
Flow cmdScroll(ScriptInterpreter& ip);
Flow cmdTopBar(ScriptInterpreter& ip);

}  // namespace taluvin
