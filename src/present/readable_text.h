// ReadableText: the player's own choice of larger or high-contrast text, kept in the user's config folder.
#pragma once

#include <string>

class QPlainTextEdit;

namespace taluvin {

class Screen;
class ZoneReveal;

struct ReadableText {
  bool largeText = false;     // the console's and message strip's text half as large again
  bool highContrast = false;  // white on black there, and the Ctrl outlines in black and white
  bool operator==(const ReadableText&) const = default;
};

// Lines "large-text=0|1" and "high-contrast=0|1"; anything else is ignored, and a value that does
// not read keeps its default, so a damaged file never changes how a game looks.
ReadableText parseReadableText(const std::string& text);

// "reading.ini" beside the player's audio.ini ($XDG_CONFIG_HOME/taluvin/, or ~/.config/taluvin/);
// empty when there is no such folder.
std::string readableTextFile();
// A missing or unreadable file gives the defaults: nothing changes.
ReadableText loadReadableText(const std::string& file);

// Keeps the console and the message strip readable whatever fonts and colours scripts give them,
// and gives the Ctrl outlines their high-contrast look. The game's pictures are never touched; with
// the defaults nothing is installed at all.
void keepTextReadable(Screen& screen, ZoneReveal& reveal, const ReadableText& choice);

}  // namespace taluvin
