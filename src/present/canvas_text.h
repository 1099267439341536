// The canvas text renderers: wrapped text boxes with links on pictures, and boxes on the monitor.
#pragma once

#include "present/screen.h"
#include "present/surface_budget.h"

#include <QFont>
#include <QPainter>
#include <string>
#include <vector>

namespace taluvin {

// A box of text as "btxt=" and "display=" ask for it; -1 for x or y is the scroll-page text position,
// 0 for width or height reaches the surface's edge, 0 for size is the font size.
struct TextBox {
  Surface surface = Surface::PictureScreen;
  std::string text;
  int x = 0, y = 0, width = 0, height = 0;
  int size = 0;
  std::string colour;     // empty: the text colour
  std::string boxColour;  // "0": the background colour
  std::string style;      // empty: "biu"
};

// Words of a box text: a link token runs from "@" to the second "|", each leading line-break sign is
// a token of its own (a link after them is still a link token), other tokens keep their trailing
// space.
std::vector<std::string> splitBoxTokens(const std::string& text);

// A box text's source: empty is "Sem texto.", "$" the line store; trimmed and cut to the budget of
// a shown text.
std::string boxSourceText(Screen& screen, const std::string& text);

// False when the scroll page would have had to grow past the surface budget (it stops there).
bool drawTextBox(Screen& screen, const TextBox& box);
// Model "4": the box stored by "btxt=" on the monitor buffer, at the monitor's scale.
void drawMonitorTextBox(Screen& screen, const std::string& text);

// Line height of every text renderer for a font size.
inline int lineHeightFor(int size) {
  const int bounded = boundedFontSize(size);
  return bounded + bounded / 2;
}

// Text written with its top-left corner at (x, y), as canvases write text.
void textOut(QPainter& painter, int x, int y, const QString& text);

}  // namespace taluvin
