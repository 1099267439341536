// InterpreterWindow: the never-shown window that holds the script interpreter and the media player.
#pragma once

#include "script/interpreter.h"
#include "script/runner.h"
#include "services/audio_service.h"

#include <QWidget>

namespace taluvin {

struct GameSession;

class InterpreterWindow : public QWidget {
  Q_OBJECT
 public:
  InterpreterWindow(GameSession& session, TraceLog& trace, RunHooks& hooks);

  ScriptInterpreter& interpreter() { return interpreter_; }
  ScriptRunner& runner() { return runner_; }
  // Effects and music; opened with the window and silent when no device can be had.
  AudioService& audio() { return audio_; }

 private:
  ScriptInterpreter interpreter_;
  ScriptRunner runner_;
  AudioService audio_;
};

}  // namespace taluvin
