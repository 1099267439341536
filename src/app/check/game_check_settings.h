// The settings lines the checker reads as script names, pictures and colours, with their meanings.
#pragma once

#include <cstddef>

namespace taluvin {

struct SettingsLine {
  size_t index;  // counted from 0, as the program reads the file
  const char* meaning;
};

inline constexpr SettingsLine kScriptLines[] = {{6, "the initial script"},     {7, "the script last run"},
                                                {8, "the return script"},      {10, "the current place"},
                                                {17, "the vocabulary script"}, {75, "the script for a phrase not understood"}};
inline constexpr SettingsLine kPictureLines[] = {{13, "the opening picture"}, {14, "the frame picture"}};
inline constexpr SettingsLine kColourLines[] = {{18, "the background colour"},
                                                {19, "the text colour"},
                                                {20, "the link colour"},
                                                {21, "the visited-link colour"},
                                                {34, "the console's text colour"},
                                                {40, "the command line's colour"},
                                                {43, "the command line's text colour"},
                                                {71, "the end button label's colour"},
                                                {94, "the command panel's colour"}};
// The end button shows "U-" + this line's name, and "D-" + it while pressed.
inline constexpr size_t kEndButtonLine = 66;

template <size_t N>
constexpr bool holdsLine(const SettingsLine (&lines)[N], long long index) {
  for (const auto& line : lines)
    if (static_cast<long long>(line.index) == index) return true;
  return false;
}

}  // namespace taluvin
