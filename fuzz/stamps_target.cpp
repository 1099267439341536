// Fuzz target: the date and time stamps "diftime" and "showdate" read back from registers.
#include "base/date_time.h"
#include "support/fuzz_game.h"

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto moment = taluvin::parseDateTime(asText(data, size));
  if (!moment) return 0;
  (void)taluvin::formatDate(*moment);
  (void)taluvin::formatTime(*moment);
  const int64_t seconds = taluvin::secondsSinceDayZero(*moment);
  (void)taluvin::formatTimeOfDay(((seconds % 86400) + 86400) % 86400);
  return 0;
}
