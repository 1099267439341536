// Replay actions for a run stopped at a breakpoint: step, continue, stop-run, and which actions may come then.
#pragma once

#include "app/replay/replay.h"

#include <string>

namespace taluvin {

bool stoppedAtBreakpoint(Player& player);
ReplayOutcome replayStep(Player& player, const ReplayStep& s);
ReplayOutcome replayContinue(Player& player, const ReplayStep& s);
ReplayOutcome replayStopRun(Player& player, const ReplayStep& s);
// Empty when the action may be taken now; while a run is stopped only the actions that look at it,
// let it go on or end the program may, since any other would start a run inside the stopped one.
std::string refusedWhileStopped(Player& player, const ReplayStep& s);

}  // namespace taluvin
