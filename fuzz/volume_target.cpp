// Fuzz target: the player's own setting files (volume, reading, speech), read and written back.
#include "present/readable_text.h"
#include "services/player_speech.h"
#include "services/player_volume.h"
#include "support/fuzz_game.h"

#include <cstdlib>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(asText(data, size));
  const taluvin::PlayerVolume volume = taluvin::parsePlayerVolume(text);
  if (volume.level < 0 || volume.level > taluvin::PlayerVolume::kSteps) std::abort();
  // Whatever was read is written so that it reads back the same.
  if (!(taluvin::parsePlayerVolume(taluvin::formatPlayerVolume(volume)) == volume)) std::abort();

  const taluvin::ReadableText reading = taluvin::parseReadableText(text);
  if (reading.textSpeed != 0 && (reading.textSpeed < 10 || reading.textSpeed > 1000)) std::abort();
  if (!(taluvin::parseReadableText(taluvin::formatReadableText(reading)) == reading)) std::abort();

  if (const auto speak = taluvin::parseSpeechSetting(text))
    if (taluvin::parseSpeechSetting(taluvin::formatSpeechSetting(*speak)) != speak) std::abort();
  return 0;
}
