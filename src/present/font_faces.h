// Fonts: game face names mapped to installed families, and point sizes as a 96-dpi desktop shows them.
#pragma once

#include <QFont>
#include <string>

namespace taluvin {

// Registers the installed stand-ins for the face names games use (Arial, Courier New, ...). Once.
void installFontSubstitutes();

// Sizes in settings and scripts are points on a 96-dpi desktop; fonts are sized in pixels so text
// has the same size on every platform, the offscreen one included.
int pointsToPixels(int points);

QFont gameFont(const std::string& face, int points, bool bold = false, bool italic = false, bool underline = false);
// The face a start shows whatever the game: the end button's caption as games leave it (Arial,
// 12 points, bold). Text widgets made before a game opens are made in it.
QFont startFace();
// Built-in component fonts given in pixels (the strip, the console, the command line).
QFont pixelFont(const char* face, int pixels, bool bold = false);

// Bold, italic and underline from a three-letter style: "B", "I", "U" in the first, second and third
// place, upper case only.
struct StyleLetters {
  bool bold = false, italic = false, underline = false;
};
StyleLetters readStyleLetters(const std::string& letters);

}  // namespace taluvin
