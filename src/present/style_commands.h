// Text style commands: font, colours, face, size and style, and the picture-screen buffer's canvas.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdFont(ScriptInterpreter& ip);
Flow cmdBackgroundColour(ScriptInterpreter& ip);
Flow cmdTextColour(ScriptInterpreter& ip);
Flow cmdLinkColour(ScriptInterpreter& ip);
Flow cmdVisitedColour(ScriptInterpreter& ip);
Flow cmdFontFace(ScriptInterpreter& ip);
Flow cmdFontSize(ScriptInterpreter& ip);
Flow cmdFontStyle(ScriptInterpreter& ip);
Flow cmdScreenBrush(ScriptInterpreter& ip);
Flow cmdScreenFontColour(ScriptInterpreter& ip);
Flow cmdScreenFontFace(ScriptInterpreter& ip);
Flow cmdScreenFontSize(ScriptInterpreter& ip);

}  // namespace taluvin
