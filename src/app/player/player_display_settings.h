// The window's scale and fullscreen state the player left a game in, remembered per game folder.
#pragma once

#include <string>

namespace taluvin {

struct PlayerDisplaySettings {
  double scale = 0;  // 0: auto, else a factor --scale accepts
  bool fullscreen = false;
  bool operator==(const PlayerDisplaySettings&) const = default;
};

struct ReadDisplaySettings {
  PlayerDisplaySettings settings;
  // The first line that did not read, said to the player once; its value keeps its default.
  std::string problem;
};

// Lines "scale=auto" or "scale=N" (1 to 8) and "fullscreen=0|1"; blank lines are passed over and
// any other line is a problem, so a damaged file never stops the program from starting.
ReadDisplaySettings parseDisplaySettings(const std::string& text);
std::string formatDisplaySettings(const PlayerDisplaySettings& settings);

// "<player config folder>/games/<folder's name>-<hash of its path>.ini": readable by a person,
// and two games of the same name in different folders never share one. Empty when there is no
// config folder, and nothing is then remembered.
std::string displaySettingsFile(const std::string& gameFolder);

// A missing file gives the defaults and no problem; a damaged one gives what could be read and
// names the file in the problem.
ReadDisplaySettings loadDisplaySettings(const std::string& file);
// Hands the file to the state writer, as the volume is; a failure is said by the writer.
void saveDisplaySettings(const std::string& file, const PlayerDisplaySettings& settings);

}  // namespace taluvin
