// Typed commands: normalising a phrase, the vocabulary file, and entering the command line.
#pragma once

#include "state/text_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace taluvin {

class CommandContext;
struct GameSession;

// Blanks off both ends, ASCII letters and the accented lower-case letters of the game's code page
// upper case; nothing else changes.
std::string normalizeTyped(std::string_view typed);

// The vocabulary file (ScriptCmd + ".scp"), read afresh so a game may change it between phrases;
// nothing when it does not exist.
std::optional<Lines> readVocabulary(const GameSession& session);
// The player's word when the vocabulary file is missing.
std::string missingVocabularyMessage(const GameSession& session);

// Enter in the command line, with its text as the player left it.
void enterCommandLine(CommandContext& context);
// Enter in the register input box: its text into the register, the box hidden, its script run.
void enterRegisterInput(CommandContext& context);

}  // namespace taluvin
