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
  int textSpeed = 100;        // typed-out and scrolled-in text at this percent of the game's speed; 0: at once
  bool operator==(const ReadableText&) const = default;
};

// Lines "large-text=0|1", "high-contrast=0|1" and "text-speed=PERCENT|instant" (10 to 1000 percent);
// anything else is ignored, and a value that does not read keeps its default, so a damaged file never
// changes how a game looks.
ReadableText parseReadableText(const std::string& text);
std::string formatReadableText(const ReadableText& choice);

// "reading.ini" beside the player's audio.ini ($XDG_CONFIG_HOME/taluvin/, or ~/.config/taluvin/);
// empty when there is no such folder.
std::string readableTextFile();
// A missing or unreadable file gives the defaults: nothing changes.
ReadableText loadReadableText(const std::string& file);
// Creates the folder and hands the file to the state writer, which replaces it whole.
void saveReadableText(const std::string& file, const ReadableText& choice);

// Keeps the console and the message strip readable whatever fonts and colours scripts give them,
// and gives the Ctrl outlines their high-contrast look. The game's pictures are never touched; with
// the defaults nothing is installed at all. The text speed goes to the screen.
void keepTextReadable(Screen& screen, ZoneReveal& reveal, const ReadableText& choice);

}  // namespace taluvin
