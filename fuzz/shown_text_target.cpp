// Fuzz target: shown texts reduced to what the player reads (page markup, canvas tokens), and the
// player's speech setting read and written back.
#include "services/player_speech.h"
#include "state/plain_text.h"
#include "support/fuzz_game.h"

#include <cstdlib>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using taluvin::TextKind;
  const std::string text(asText(data, size));
  for (TextKind kind : {TextKind::WebPage, TextKind::Box, TextKind::Memo, TextKind::Console}) {
    const std::string plain = taluvin::plainShownText(kind, text);
    // Reading never makes text out of nothing beyond one byte per entity or marker it replaces.
    if (plain.size() > text.size()) std::abort();
    if (!plain.empty() && (plain.front() == '\n' || plain.back() == '\n')) std::abort();
  }
  if (const auto speak = taluvin::parseSpeechSetting(text)) {
    if (taluvin::parseSpeechSetting(taluvin::formatSpeechSetting(*speak)) != speak) std::abort();
  }
  return 0;
}
