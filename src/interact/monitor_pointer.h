// The monitor window's handling: its picture's zones, the text box, the captions, the input and the keys.
#pragma once

namespace taluvin {

class CommandContext;

// Connects the monitor window's controls to the zone table and the script runner. Called once the
// windows exist.
void connectMonitorHandlers(CommandContext& context);

}  // namespace taluvin
