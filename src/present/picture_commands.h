// Picture commands: "display=", "hud=", "legenda=" and "borda=", and where pictures are placed.
#pragma once

#include "script/interpreter.h"
#include "state/surface.h"

#include <QImage>
#include <string>

namespace taluvin {

class Screen;

Flow cmdDisplay(ScriptInterpreter& ip);
Flow cmdHud(ScriptInterpreter& ip);
Flow cmdCaption(ScriptInterpreter& ip);
Flow cmdBorder(ScriptInterpreter& ip);

// Loads name through the loading image and places it at (x, y); width or height 0 is the picture's
// own. The picture screen takes it into its buffer in model "1" and on the scroll page in model
// "3" (which grows to hold it); the command panel into its buffer; the frame picture at once.
// Why the picture could not be read goes to error when asked for.
void placePicture(Screen& screen, Surface target, const std::string& name, int x, int y, int width, int height,
                  std::string* error = nullptr);

// The HUD drawn into the picture-screen buffer at its position when it is on.
void drawHudIntoBuffer(Screen& screen);

}  // namespace taluvin
