// Replay's keyboard actions: key presses and releases carrying their text, sent to the focused control.
#pragma once

#include "app/replay/replay.h"

namespace taluvin {

// NAME is a key as Qt names keys.
std::string checkKey(const ReplayStep& s);

// Presses and releases one key; a key that types something carries its text, as a keyboard's does.
ReplayOutcome replayKey(Player& player, const ReplayStep& s);
// NAME is a key as Qt names keys, or a modifier on its own: Control (or Ctrl), Shift, Alt, Meta.
std::string checkHeldKey(const ReplayStep& s);
// Half a key stroke: the key goes down and stays down, or comes up.
ReplayOutcome replayKeyDown(Player& player, const ReplayStep& s);
ReplayOutcome replayKeyUp(Player& player, const ReplayStep& s);
// Types the step's text (UTF-8, blanks kept) one key press and release per character; no Enter.
ReplayOutcome replayType(Player& player, const ReplayStep& s);

}  // namespace taluvin
