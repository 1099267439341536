// Stepping and continuing a stopped run from a replay, as the inspector's keys do.
#include "app/replay/replay_debug.h"

#include "app/inspect/debug_session.h"
#include "app/player/player.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace taluvin {

namespace {

ReplayOutcome goOn(Player& player, GoOn how, const ReplayStep& s) {
  if (player.debugSession().goOn(how)) return {};
  return {0, "'" + s.action + "' needs a run stopped at a breakpoint, and none is"};
}

}  // namespace

bool stoppedAtBreakpoint(Player& player) { return player.debugSession().stopped(); }

ReplayOutcome replayStep(Player& player, const ReplayStep& s) { return goOn(player, GoOn::Step, s); }
ReplayOutcome replayContinue(Player& player, const ReplayStep& s) { return goOn(player, GoOn::Continue, s); }
ReplayOutcome replayStopRun(Player& player, const ReplayStep& s) { return goOn(player, GoOn::StopRun, s); }

std::string refusedWhileStopped(Player& player, const ReplayStep& s) {
  static constexpr std::array<std::string_view, 6> kWhileStopped = {"step", "continue", "stop-run", "screenshot", "wait", "quit"};
  if (!stoppedAtBreakpoint(player)) return {};
  if (std::find(kWhileStopped.begin(), kWhileStopped.end(), s.action) != kWhileStopped.end()) return {};
  return "'" + s.action + "' cannot be taken while a run is stopped at a breakpoint (step, continue or quit first)";
}

}  // namespace taluvin
