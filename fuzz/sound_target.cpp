// Fuzz target: a sound effect file, read for its rate and loaded within the effect limits.
#include "services/effect_limits.h"
#include "services/sound_probe.h"
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = scratchFolder() + "som.wav";
  writeFile("som.wav", asText(data, size));
  (void)taluvin::waveSampleRate(path);
  // The same load the player makes at the first press of a key, on the dummy audio driver.
  (void)taluvin::soundFileProblem(path, taluvin::SoundUse::Effect);
  return 0;
}
