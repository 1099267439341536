// Pointer handling of the main window's surfaces: hover, pressed pictures, sounds, clicks, drag.
#pragma once

namespace taluvin {

class CommandContext;

// Connects the picture screen, scroll page, command panel, frame picture, opening picture and
// end button to the zone table. Called once the windows exist.
void connectPointerHandlers(CommandContext& context);
// The frame and opening pictures, the end button, the captions and the wheel.
void connectFramePointer(CommandContext& context);
// The map page: dragging the map and the marker, and the marker's click.
void connectMapPointer(CommandContext& context);
// Tela and Tela3 while they show a visor: its drags, its four-way regions and its elements.
void connectVisorPointer(CommandContext& context);

}  // namespace taluvin
