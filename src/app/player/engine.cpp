// The engine's parts put together: the command table, the clock's stamps and the sound left to its first use.
#include "app/player/engine.h"

#include "app/command_table.h"
#include "base/date_time.h"

namespace taluvin {

Engine::Engine(RunHooks& hooks)
    : scripts_(commandTable()),
      interpreter_(session_, trace_, hooks, commandTable()),
      runner_(session_, interpreter_, trace_, hooks, scripts_) {
  interpreter_.TodayStamp = interpreter_.NowStamp = localNow();
  audio_.startOnFirstSound();
}

}  // namespace taluvin
