// "telpos=": the place picture, shown as the screen model shows pictures, and its click script.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdPlacePicture(ScriptInterpreter& ip);

}  // namespace taluvin
