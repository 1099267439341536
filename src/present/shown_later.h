// Text work a hidden widget would do for nobody (measuring, laying out a new font), put off to its show.
#pragma once

#include <QFont>

class QWidget;

namespace taluvin {

// Sizes the widget to its text now if it is visible, otherwise when it is first shown: a label's
// size hint loads its font face, which a page that is never shown does not need.
void adjustSizeWhenShown(QWidget* widget);

// Gives the widget the font now if it is visible, otherwise just before it is first shown. Text
// boxes and lines lay their text out again at every font change, shown or not, and each new face
// costs a font lookup. A font set directly in the meantime wins over the pending one.
void setFontWhenShown(QWidget* widget, const QFont& font);

// Gives the widget its pending font at once: its text is about to be measured while hidden.
void applyPendingFont(QWidget* widget);

// The font the widget shows: the pending one while it waits for its show, else its own.
QFont shownFont(const QWidget* widget);

}  // namespace taluvin
