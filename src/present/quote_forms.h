// Inline forms of quote text on the web page: a quote line starting with "#" becomes markup, a
// piece of the page like those the WebPageComposer builds.
#pragma once

#include <string>
#include <string_view>

namespace taluvin {

struct GameSession;

// "#lnk,script,text", "#shp,...", "#fig,...", "#reg?,N", "#reg$,N", "#url,..."/"#web,...",
// or "#N" for register N.
std::string expandQuoteForm(const GameSession& session, std::string_view line);

}  // namespace taluvin
