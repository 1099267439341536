// Object commands: reading and setting properties, taking, dropping and placing objects, moving
// everything from one location to another, the current object and saving the object table.
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
