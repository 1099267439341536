// Sound and music commands, and the one-shot click sound zones and keys play.
#pragma once

#include "script/interpreter.h"

#include <string>

namespace taluvin {

class CommandContext;

Flow cmdPlayMusic(ScriptInterpreter& ip);
Flow cmdVolume(ScriptInterpreter& ip);
Flow cmdPlaySound(ScriptInterpreter& ip);

// A click sound from the game folder, played without waiting; an empty name plays nothing and a
// name outside the folder is ignored like a missing file.
void playClickSound(CommandContext& context, const std::string& name);
// The same, except that a file that is missing or cannot be read leaves the playing effect alone.
void playClickSoundIfPresent(CommandContext& context, const std::string& name);

}  // namespace taluvin
