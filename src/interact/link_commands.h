// Link commands: hot zones on the picture screen, command panel, frame picture, scroll page and monitor.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdLinkScreen(ScriptInterpreter& ip);
Flow cmdLinkMonitor(ScriptInterpreter& ip);
Flow cmdLinkCommandPanel(ScriptInterpreter& ip);
Flow cmdLinkFramePicture(ScriptInterpreter& ip);
Flow cmdLinksOff(ScriptInterpreter& ip);
Flow cmdGetXY(ScriptInterpreter& ip);

}  // namespace taluvin
