// Replay's link action: following a link of the page shown in WebB as a click on it would.
#pragma once

#include "app/replay/replay.h"

namespace taluvin {

// The first link whose visible text holds the step's text (UTF-8, blanks kept, letter case counts,
// a hard space reads as a blank); a picture link reads as its picture's file name.
ReplayOutcome replayLink(Player& player, const ReplayStep& s);

}  // namespace taluvin
