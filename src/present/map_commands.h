// Map commands: "loadmap=", "defpicmap=", "picmap=", "showmap", "posmap=", "addmap=", and the map page's moves.
#pragma once

#include "script/interpreter.h"

namespace taluvin {

class Screen;

Flow cmdLoadMap(ScriptInterpreter& ip);
Flow cmdDefinePicMap(ScriptInterpreter& ip);
Flow cmdPicMap(ScriptInterpreter& ip);
Flow cmdShowMap(ScriptInterpreter& ip);
Flow cmdPosMap(ScriptInterpreter& ip);
Flow cmdAddMap(ScriptInterpreter& ip);

// The stored scroll and marker positions put back on the map page, which takes the height of
// settings line 97. Runs at the end of every run while the page shows.
void refreshMap(Screen& screen);

// Leaves the map page for the current model's page, laid out again from that model's settings lines.
void closeMapPage(Screen& screen);

}  // namespace taluvin
