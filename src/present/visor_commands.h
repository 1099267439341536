// "visor=": defining the visor's view into a strip picture, and the elements drawn on it.
#pragma once

#include "script/command_entry.h"

namespace taluvin {

class ScriptInterpreter;

Flow cmdVisor(ScriptInterpreter& ip);

}  // namespace taluvin
