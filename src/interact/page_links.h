// Links followed in the model-"2" page: a script with its parameters, a web address, or nothing.
#pragma once

#include <string>

namespace taluvin {

class CommandContext;

// An address holding "Scp=" runs what follows it (name and "&Prm=", "&Prx=", "&Pry=" parameters);
// one that also names a page file (".htm") is the page itself and starts nothing. An "http://" or
// "https://" address opens outside, as a zone's does. Anything else is said in the trace and left.
void followPageLink(CommandContext& context, const std::string& address);

// The view WebB reports each link the player follows here; it never leaves the page by itself.
void connectPageLinks(CommandContext& context);

}  // namespace taluvin
