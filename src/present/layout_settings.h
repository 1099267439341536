// Reading layout values from settings lines, with the built-in geometry where a line is missing.
#pragma once

#include "base/numbers.h"
#include "present/canvas.h"
#include "present/colors.h"
#include "state/game_session.h"

#include <QColor>
#include <QFont>

namespace taluvin {

// A number from a settings line; a line the game does not fill keeps the component's own value.
inline int lineInt(const GameSession& s, size_t line, int fallback) { return toIntOr(s.settings.line(line), fallback); }
inline bool lineOn(const GameSession& s, size_t line) { return s.settings.isOn(line); }

// Positions, sizes and font sizes from settings lines, cut to the surface budget; a value past it
// is noted in the layout notes and the cut value is used.
int linePosition(GameSession& s, size_t line, int fallback);
// A width and height pair: each side bounded, then the height cut to the pixel budget.
QSize lineSurface(GameSession& s, size_t widthLine, size_t heightLine, QSize fallback);
int lineFontSize(GameSession& s, size_t line, int fallback);

// Adds a note once (a layout reads some lines more than once).
void noteLayout(GameSession& s, const std::string& note);
// The notes gathered since the last call, in the order they were made.
Lines takeLayoutNotes(GameSession& s);

// Whether a colour text converts (an empty one paints its built-in default).
bool colourReads(const std::string& rrggbb);
// Opening a game runs outside any script run, where a conversion failure has no run to abort:
// each colour line the opening paints that does not read is noted and emptied, so the built-in
// colour is used. The caller keeps the settings as read and puts them back afterwards.
void setAsideUnreadableColours(GameSession& s);

// The colours of the current text style as painted; an unset colour paints as the usual default.
inline QColor backgroundColour(const GameSession& s) { return paintColor(s.screen.style.background, QColor(255, 255, 255)); }
inline QColor textColour(const GameSession& s) { return paintColor(s.screen.style.text, QColor(0, 0, 0)); }
inline QColor linkColour(const GameSession& s) { return paintColor(s.screen.style.link, QColor(0, 0, 255)); }
inline QColor visitedColour(const GameSession& s) { return paintColor(s.screen.style.visited, QColor(128, 0, 128)); }

// A canvas takes the current text style as its font and the background as its brush.
void takeTextStyle(DrawStyle& d, const GameSession& s, QColor background);

// Paints a widget's background (and text) through its palette.
void paintWidget(QWidget* widget, QColor background);
void paintWidgetText(QWidget* widget, QColor background, QColor text);

}  // namespace taluvin
