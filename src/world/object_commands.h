// Object commands: properties, taking, dropping, placing, moving everything, the current object.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdGetObject(ScriptInterpreter& ip);
Flow cmdSetObject(ScriptInterpreter& ip);
Flow cmdMoveAll(ScriptInterpreter& ip);
Flow cmdTakeObject(ScriptInterpreter& ip);
Flow cmdDropObject(ScriptInterpreter& ip);
Flow cmdPutObject(ScriptInterpreter& ip);
Flow cmdCurrentObject(ScriptInterpreter& ip);
Flow cmdLastObject(ScriptInterpreter& ip);
Flow cmdSaveObjects(ScriptInterpreter& ip);
Flow cmdListObjectsAccepted(ScriptInterpreter& ip);

}  // namespace taluvin
