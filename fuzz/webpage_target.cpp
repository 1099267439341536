// Fuzz target: a game's web page as the view reads it before laying it out: the body's colours,
// bare attribute values put in quotes, absolute blocks set in the flow, break opportunities in long
// words, and the page cut to what the view shows.
#include "base/text.h"
#include "present/shown_text.h"
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
  // Breaks are only added: without them the page is what it was.
  constexpr char16_t kZeroWidthSpace = 0x200B;
  if (!html.contains(QChar(kZeroWidthSpace)) &&
      QString(taluvin::withBreaksInLongWords(html)).remove(QChar(kZeroWidthSpace)) != html)
    std::abort();
  // A cut page is a start of the page, never longer than the room.
  const std::string bytes(asText(data, size));
  const std::string cut = taluvin::markupWithin(bytes, size / 2);
  if (cut.size() > size / 2 || bytes.compare(0, cut.size(), cut) != 0) std::abort();
  return 0;
}
