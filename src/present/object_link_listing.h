// "lstobjlnk": the objects at a location listed as items the current screen model makes clickable.
#pragma once

#include "script/interpreter.h"

#include <string>
#include <vector>

namespace taluvin {

struct GameSession;

Flow cmdListObjectLinks(ScriptInterpreter& ip);

// Links of the web page in model "2", clickable phrases of the canvas text in model "4", nothing
// in the others.
std::vector<std::string> objectLinkItems(const GameSession& session, const std::string& location);

}  // namespace taluvin
