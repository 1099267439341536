// Message commands: the console, the message strip, the scroll page's text position and the line store.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdMsgAppend(ScriptInterpreter& ip);
Flow cmdMsgSet(ScriptInterpreter& ip);
Flow cmdClearMsg(ScriptInterpreter& ip);
Flow cmdLineFeed(ScriptInterpreter& ip);
Flow cmdTextPosition(ScriptInterpreter& ip);
Flow cmdLineFeedBy(ScriptInterpreter& ip);
Flow cmdPageHeight(ScriptInterpreter& ip);
Flow cmdTextAppend(ScriptInterpreter& ip);
Flow cmdTextSet(ScriptInterpreter& ip);
Flow cmdEffect(ScriptInterpreter& ip);
Flow cmdTypingDelay(ScriptInterpreter& ip);

}  // namespace taluvin
