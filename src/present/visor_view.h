// The visor's view: drawing a rectangle of its strip with its elements, and its frame timer DxVisor.
#pragma once

#include <QRect>

class QTimer;

namespace taluvin {

class CanvasView;
class Screen;

// Where the visor shows in the current model: Tela in model "1", Tela3 in model "3", else nothing.
CanvasView* visorTarget(Screen& screen);

// Builds the view off screen from the source rectangle of the strip, draws the visor elements over
// it and copies the view rectangle onto target in one piece, so no half-drawn view is ever seen.
// Only the part of the source that lies on the strip is drawn.
void drawVisorView(Screen& screen, CanvasView& target, QRect source);
// The view at the visor's offsets on the current model's surface; nothing without a visor.
void showVisorView(Screen& screen);

// DxVisor, made on first use as a child of the main window. It ticks only while the program is the
// active application; tests call visorTick themselves.
QTimer& visorTimer(Screen& screen);
// The next frame of a "000" strip on the current model's surface.
void visorTick(Screen& screen);
// A run starts without a visor: the timer stops and the view and its offsets are forgotten.
void stopVisor(Screen& screen);

}  // namespace taluvin
