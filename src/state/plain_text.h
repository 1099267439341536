// What a shown text reads as without its markup: the page's HTML, the boxes' link tokens and
// directives, the console's line ends.
#pragma once

#include "state/text_listener.h"

#include <string>
#include <string_view>

namespace taluvin {

// Windows-1252 text of a page's HTML: tags dropped (the head, scripts and styles with their
// content), line-breaking tags and blocks as line breaks, runs of blanks as one space, the common
// entities and numeric ones within Windows-1252 decoded.
std::string plainFromHtml(std::string_view html);

// A canvas text's words: "@label|script" links read as their labels, "§" breaks the line; in a
// memo a word starting with "#" is a directive and is not read.
std::string plainFromCanvasText(std::string_view text, bool memo);

// The text of a kind as the player reads it: lines trimmed, at most one empty line in a row, none
// at the ends, joined by '\n'. Empty when nothing readable is left.
std::string plainShownText(TextKind kind, std::string_view shown);

}  // namespace taluvin
