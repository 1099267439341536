// Counting and listing the objects at a location into a register.
#pragma once

#include "script/interpreter.h"

#include <string>
#include <vector>

namespace taluvin {

struct GameSession;

Flow cmdCountObjects(ScriptInterpreter& ip);
Flow cmdListObjects(ScriptInterpreter& ip);

// The items a builder makes of the objects at a location, joined as a sentence into the register
// of slot 1; slot 2 names the location or a place word. The plain listing and the clickable one
// (whose items each screen model writes in its own form) share it.
using ObjectItems = std::vector<std::string> (*)(const GameSession& session, const std::string& location);
Flow listObjectItemsInto(ScriptInterpreter& ip, ObjectItems build);

// The items joined as a sentence, last collected first: "C, B e A." for A, B, C; empty for none.
std::string joinAsSentence(const std::vector<std::string>& items);

}  // namespace taluvin
