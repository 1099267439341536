// Replay's pointer actions: real mouse and wheel events sent to a named surface.
#pragma once

#include "app/replay/replay.h"

class QWidget;

namespace taluvin {

// The widget a replay names by its object name, in the monitor window first while it is shown.
QWidget* surfaceNamed(Player& player, const std::string& name);

// X and Y (and the optional surface name) are well formed.
std::string checkPointerPosition(const ReplayStep& s);
// N and the optional surface name are well formed.
std::string checkWheelSteps(const ReplayStep& s);

ReplayOutcome replayClick(Player& player, const ReplayStep& s);
ReplayOutcome replayPress(Player& player, const ReplayStep& s);
ReplayOutcome replayRelease(Player& player, const ReplayStep& s);
ReplayOutcome replayMove(Player& player, const ReplayStep& s);
ReplayOutcome replayDoubleClick(Player& player, const ReplayStep& s);
// N notches of the wheel; positive turns away from the user.
ReplayOutcome replayWheel(Player& player, const ReplayStep& s);

}  // namespace taluvin
