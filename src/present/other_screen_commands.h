// The small commands of the language and time family that reach the screen: alignment, download page.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdAlign(ScriptInterpreter& ip);
Flow cmdDownload(ScriptInterpreter& ip);

}  // namespace taluvin
