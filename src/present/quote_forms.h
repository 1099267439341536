// Inline forms of quote text on the web page: a quote line starting with "#" becomes markup, a
// piece of the page like those the WebPageComposer builds.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace taluvin {

struct GameSession;

// A form's name (the text after "#" up to the first ",") and its parts a[1] to a[9] after it; a line
// without "," keeps the whole line, "#" included, in a[1].
struct QuoteForm {
  std::string name;
  std::array<std::string, 10> a;
};
QuoteForm readQuoteForm(std::string_view line);

// "#lnk,script,text", "#shp,...", "#fig,...", "#reg?,N", "#reg$,N", "#url,..."/"#web,...",
// or "#N" for register N.
std::string expandQuoteForm(const GameSession& session, std::string_view line);

}  // namespace taluvin
