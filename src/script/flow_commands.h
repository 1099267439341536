// Flow-control commands: end, chain, jump, subroutine, pause, model conditions, program end.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdEnd(ScriptInterpreter& ip);
Flow cmdScript(ScriptInterpreter& ip);
Flow cmdPause(ScriptInterpreter& ip);
Flow cmdGosub(ScriptInterpreter& ip);
Flow cmdReturn(ScriptInterpreter& ip);
Flow cmdRecall(ScriptInterpreter& ip);
Flow cmdRetScp(ScriptInterpreter& ip);
Flow cmdScriptCmd(ScriptInterpreter& ip);
Flow cmdGoto(ScriptInterpreter& ip);
Flow cmdIfMod0(ScriptInterpreter& ip);
Flow cmdIfMod1(ScriptInterpreter& ip);
Flow cmdIfMod2(ScriptInterpreter& ip);
Flow cmdIfMod3(ScriptInterpreter& ip);
Flow cmdIfMod4(ScriptInterpreter& ip);
Flow cmdTerminate(ScriptInterpreter& ip);

// Waiting in 10 ms steps with pending window events running between them.
void waitSteps(ScriptInterpreter& ip, long long count, int stepMs);

}  // namespace taluvin
