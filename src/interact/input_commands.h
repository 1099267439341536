// Input commands: the register input box, the keyboard focus, the vocabulary, the frame picture, "inkey".
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdRegisterInput(ScriptInterpreter& ip);
Flow cmdRegisterInputStyle(ScriptInterpreter& ip);
Flow cmdSetFocus(ScriptInterpreter& ip);
Flow cmdDefineVocabulary(ScriptInterpreter& ip);
Flow cmdLoadFramePicture(ScriptInterpreter& ip);
Flow cmdInkey(ScriptInterpreter& ip);

}  // namespace taluvin
