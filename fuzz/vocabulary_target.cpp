// Fuzz target: the typed-command vocabulary lookups (typed text, a NUL byte, then the vocabulary).
#include "script/script_file.h"
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [typed, vocabularyText] = splitAtNul(asText(data, size));
  const taluvin::Lines vocabulary = taluvin::splitLines(std::string(vocabularyText));
  (void)taluvin::lookupPhrase(vocabulary, typed);
  const auto words = taluvin::splitWords(typed);
  (void)taluvin::suggestPhrases(vocabulary, words[0], words[1]);
  return 0;
}
