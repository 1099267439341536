// Counting and listing the objects at a location into a register.
#pragma once

#include "script/interpreter.h"

#include <string>
#include <vector>

namespace taluvin {

struct GameSession;

Flow cmdCountObjects(ScriptInterpreter& ip);
Flow cmdListObjects(ScriptInterpreter& ip);
Flow cmdListObjectLinks(ScriptInterpreter& ip);

// The items joined as a sentence, last collected first: "C, B e A." for A, B, C; empty for none.
std::string joinAsSentence(const std::vector<std::string>& items);

// The objects at a location as clickable items of the current screen model: links of the web
// page in model "2", clickable phrases of the canvas text in model "4", nothing in the others.
std::vector<std::string> objectLinkItems(const GameSession& session, const std::string& location);

}  // namespace taluvin
