// The interpreter's hidden window.
#include "app/player/interpreter_window.h"

#include "app/command_table.h"

namespace taluvin {

InterpreterWindow::InterpreterWindow(GameSession& session, TraceLog& trace, RunHooks& hooks)
    : interpreter_(session, trace, hooks, commandTable()), runner_(session, interpreter_, trace, hooks) {
  setObjectName("TForm3");
  interpreter_.TodayStamp = interpreter_.NowStamp = localNow();
  audio_.startOnFirstSound();
}

}  // namespace taluvin
