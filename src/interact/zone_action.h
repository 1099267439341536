// What a click on a hot zone does: run a script, open a web address, or toggle the map page.
#pragma once

#include <string>

namespace taluvin {

class CommandContext;

// Only "http://" and "https://" addresses leave the program, and only when it has a desktop;
// a headless player records them instead. Any other non-empty action is a script to run.
void runZoneAction(CommandContext& context, const std::string& action, bool letEventsFirst);

// The "picFmap" action: the map page, or back to the page of the current model.
void toggleMapPage(CommandContext& context);

}  // namespace taluvin
