// The budget of a text shown at once, so no text can hold the window (and the program's end) in layout.
#pragma once

#include <QString>
#include <string>

namespace taluvin {

// A message, caption, console piece or canvas text shows at most this many characters. The text
// widgets lay out a long word in time that grows with its square: a word of this size takes a
// fraction of a second, a megabyte minutes. Ordinary messages are a few hundred characters.
inline constexpr size_t kShownTextBudget = 32 * 1024;

// What stands where a text was cut: "[…]".
extern const char kCutMarker[];

// The text as shown: past the budget, its first kShownTextBudget characters and the marker.
std::string shownWithinBudget(const std::string& text);
QString shownWithinBudget(const QString& text);

// The first bytes of a page's markup that fit in room, never cut inside a tag or a character name
// (which would show markup as text, or swallow what follows).
std::string markupWithin(const std::string& html, size_t room);

}  // namespace taluvin
