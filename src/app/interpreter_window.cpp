// The interpreter's hidden window.
#include "app/interpreter_window.h"

namespace taluvin {

InterpreterWindow::InterpreterWindow(GameSession& session, TraceLog& trace, RunHooks& hooks)
    : interpreter_(session, trace, hooks), runner_(session, interpreter_, trace, hooks) {
  setObjectName("TForm3");
  audio_.start();
}

}  // namespace taluvin
