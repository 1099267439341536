// ScreenState: the text style, text positions, console effect and model-4 geometry a game keeps.
#pragma once

#include "state/text_file.h"

#include <string>

namespace taluvin {

// The current text style; colours stay RRGGBB text until they are painted.
struct TextStyle {
  std::string background;
  std::string text;
  std::string link;
  std::string visited;
  std::string face;
  int size = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// The monitor geometry of model "4": 1.0 scale whenever a model is set.
struct MonitorGeometry {
  double scale = 1.0;
  int scaledWidth = 640;
  int scaledHeight = 420;
  int left = 0;
  int top = 0;
  int boxX = 0, boxY = 0, boxWidth = 640, boxHeight = 420;
  int boxFontSize = 12;
};

struct MemoMargins {
  int left = 0, right = 0, top = 0, bottom = 0;
};

// Where the memo box's text is scrolled to: the thumb's position, its travel along the track and
// the image rows per unit.
struct MemoScroll {
  int position = 0;
  int travel = 0;
  int step = 5;
};

struct ScreenState {
  TextStyle style;
  // Where model "3" text goes next on the page image.
  int textX = 0;
  int textY = 0;
  // Console output: empty is the typewriter, or "direto", or "scrollup".
  std::string consoleEffect;
  // The line store read back wherever a text argument is "$".
  Lines lineStore;
  // Memo box: scroll-bar mode (empty, "off", "auto"), margins and the alignment kept between memos.
  std::string memoScrollBar;
  MemoMargins memoMargins;
  std::string memoAlignment = "left";
  MemoScroll memoScroll;
  // Points of the console's text: settings line 33 and "fntsize=" change it, a game keeps it.
  int consoleFontPoints = 16;
  // The end button's picture name, without the "U-"/"D-" of its two states.
  std::string endButtonName = "bot1.bmp";
  MonitorGeometry monitor;
  std::string monitorBackground = "000000";
  // Settings values the layout could not use as written (a colour that does not read, a size past
  // the budget), waiting to be said once in the trace.
  Lines layoutNotes;
};

}  // namespace taluvin
