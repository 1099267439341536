// Engine: the game's session and everything that runs it, owned by a plain object and not by a window.
#pragma once

#include "present/input_hold.h"
#include "script/interpreter.h"
#include "script/runner.h"
#include "script/script_cache.h"
#include "script/trace_log.h"
#include "services/audio_service.h"
#include "state/game_session.h"

namespace taluvin {

class RunHooks;

// What the player shows and the keys and clicks it hands on work on. The windows are the player's;
// what the runs ask of them goes through the hooks given here, and what a command asks of them
// through the context the player sets on the interpreter.
class Engine {
 public:
  explicit Engine(RunHooks& hooks);
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  GameSession& session() { return session_; }
  TraceLog& trace() { return trace_; }
  ScriptInterpreter& interpreter() { return interpreter_; }
  ScriptRunner& runner() { return runner_; }
  const ScriptRunner& runner() const { return runner_; }
  // Effects and music; silent when no device can be had, and opened at the first sound.
  AudioService& audio() { return audio_; }
  // The player's clicks and keys kept back while text is typed out.
  InputHold& inputHold() { return inputHold_; }

 private:
  GameSession session_;
  TraceLog trace_;
  ScriptCache scripts_;
  ScriptInterpreter interpreter_;
  ScriptRunner runner_;
  AudioService audio_;
  InputHold inputHold_;
};

}  // namespace taluvin
