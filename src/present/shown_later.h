// Text work a hidden widget would do for nobody (measuring, laying out a new font), put off to its show.
#pragma once

#include <QFont>
#include <QWidget>

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

// While it lives, text widgets made under holder() lay their empty text out in `font` instead of
// the application's font. A text box or line lays its text out as it is made, in the application's
// font and then in the one it inherits, and each face laid out costs a font lookup; the
// application's face is one no page of the player shows.
class MadeInFont {
 public:
  explicit MadeInFont(const QFont& font);
  ~MadeInFont();
  MadeInFont(const MadeInFont&) = delete;
  MadeInFont& operator=(const MadeInFont&) = delete;
  QWidget* holder() { return &holder_; }

 private:
  QFont applicationFont_;
  QWidget holder_;
};

// A new text box or line in `parent` with `font` as its own, made without laying anything out in
// another face: give it a face the start shows anyway.
template <class TextWidget>
TextWidget* newTextWidget(QWidget* parent, const QFont& font) {
  MadeInFont made(font);
  auto* widget = new TextWidget(made.holder());
  // Its own font, the one it inherited so far: moving it to its parent, and the application's font
  // given back, change nothing it would lay out again.
  widget->setFont(font);
  widget->setParent(parent);
  return widget;
}

}  // namespace taluvin
