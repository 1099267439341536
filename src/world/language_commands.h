// Language commands: the game language and the texts kept for one language only.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdGetLanguage(ScriptInterpreter& ip);
Flow cmdPutLanguage(ScriptInterpreter& ip);
// "ifbr=" ... "ifes+": the code and the "=" or "+" are read from the command word.
Flow cmdIfLanguageText(ScriptInterpreter& ip);

}  // namespace taluvin
