// Script colours: six hexadecimal digits RRGGBB turned into the colour that is painted.
#pragma once

#include <QColor>
#include <string>

namespace taluvin {

// RRGGBB is reordered to BBGGRR and read as "$BBGGRR"; text that does not read as a hexadecimal
// number aborts the run with that text. An empty colour (a settings line the game lacks) paints
// as whenEmpty instead, so a short settings file still shows something.
QColor paintColor(const std::string& rrggbb, QColor whenEmpty = QColor(0, 0, 0));

// The "$BBGGRR" text the conversion reads.
std::string platformColorText(const std::string& rrggbb);

}  // namespace taluvin
