// Fuzz target: a game's web page as the view reads it before laying it out: the body's colours,
// bare attribute values put in quotes, and absolute blocks set in the flow.
#include "base/text.h"
#include "present/web_page_view.h"
#include "support/fuzz_game.h"

#include <cstdlib>

using namespace taluvin::fuzz;

namespace {

bool isColour(const std::string& rrggbb) {
  if (rrggbb.empty()) return true;
  if (rrggbb.size() != 6) return false;
  for (const char c : rrggbb)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString html = taluvin::toQt(asText(data, size));
  const taluvin::BodyColours colours = taluvin::readBodyColours(html);
  // A colour read is six upper-case hex digits or nothing: it goes into a style sheet as it is.
  if (!isColour(colours.background) || !isColour(colours.text) || !isColour(colours.link) ||
      !isColour(colours.visited))
    std::abort();
  (void)taluvin::bodyStyleSheet(colours);
  (void)taluvin::quotedAttributes(html);
  (void)taluvin::inFlowPositions(html);
  return 0;
}
