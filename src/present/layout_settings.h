// Reading layout values from settings lines, with the built-in geometry where a line is missing.
#pragma once

#include "present/canvas.h"
#include "present/colors.h"
#include "script/numbers.h"
#include "state/game_session.h"

#include <QColor>
#include <QFont>

namespace taluvin {

// A number from a settings line; a line the game does not fill keeps the component's own value.
inline int lineInt(const GameSession& s, size_t line, int fallback) { return toIntOr(s.settings.line(line), fallback); }
inline bool lineOn(const GameSession& s, size_t line) { return s.settings.isOn(line); }

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
