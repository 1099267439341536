// Whether the player wants the game spoken, kept in the user's config folder with the player's
// other settings, never in a game's files.
#pragma once

#include <optional>
#include <string>

namespace taluvin {

// A line "speak=0|1"; anything else in the text is ignored. No readable line: nothing said.
std::optional<bool> parseSpeechSetting(const std::string& text);
std::string formatSpeechSetting(bool speak);

// "$XDG_CONFIG_HOME/taluvin/speech.ini", or under "$HOME/.config"; empty when neither can be had.
std::string speechSettingFile();

// Off when the file is missing or unreadable.
bool loadSpeechSetting(const std::string& file);
// Through the state writer, as the volume is kept; an empty file name remembers nothing.
void saveSpeechSetting(const std::string& file, bool speak);

}  // namespace taluvin
