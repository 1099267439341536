// The rain's frames as image work alone: freezing the scene and composing each falling frame.
#pragma once

#include "state/hud_state.h"
#include "state/rain_state.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace taluvin {

// Freezes scene into a background of the screen's size and makes the frame and, when a mask is
// given, the mask layer: the scene with the mask's non-white pixels over it. layer is the rain.
void prepareRain(RainState& rain, const QImage& scene, QSize screen, const QImage& layer, const QImage* mask);

// The next frame into rain.frame: the frozen scene, the rain over it (magenta left out), the mask
// layer over that, the HUD on top while it is on; then the rain layer falls by rain.step rows.
void composeRainFrame(RainState& rain, const HudState& hud);

// Copies source onto target at `at`, clipped to target; both 24-bit.
void copyPicture(QImage& target, const QImage& source, QPoint at);

}  // namespace taluvin
