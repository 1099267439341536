// InterpreterWindow: the never-shown window that holds the script interpreter and the media player.
#pragma once

#include "script/interpreter.h"
#include "script/runner.h"

#include <QWidget>

namespace taluvin {

struct GameSession;

class InterpreterWindow : public QWidget {
  Q_OBJECT
 public:
  InterpreterWindow(GameSession& session, TraceLog& trace, RunHooks& hooks);

  ScriptInterpreter& interpreter() { return interpreter_; }
  ScriptRunner& runner() { return runner_; }

 private:
  ScriptInterpreter interpreter_;
  ScriptRunner runner_;
};

}  // namespace taluvin
