// Date and time commands: the two stamps, their difference, and their date and time as text.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

Flow cmdSetToday(ScriptInterpreter& ip);
Flow cmdSetNow(ScriptInterpreter& ip);
// "diftime" and "diftime#": the "#" form writes hours, minutes and seconds as numbers.
Flow cmdTimeDifference(ScriptInterpreter& ip);
Flow cmdShowDate(ScriptInterpreter& ip);
Flow cmdShowTime(ScriptInterpreter& ip);

}  // namespace taluvin
