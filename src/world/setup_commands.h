// Setup commands: settings lines changed in memory, and font files a game announces.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdDefineSetting(ScriptInterpreter& ip);
Flow cmdInstallFont(ScriptInterpreter& ip);

}  // namespace taluvin
