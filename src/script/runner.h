// ScriptRunner: runs a script from its first line to its end, then updates the screen and saves.
#pragma once

#include "script/interpreter.h"
#include "script/run_control.h"
#include "script/script_cache.h"

#include <string>

namespace taluvin {

struct GameSession;

class ScriptRunner : public RunControl {
 public:
  // Scripts are read through the cache given, which outlives the runner.
  ScriptRunner(GameSession& session, ScriptInterpreter& interpreter, TraceLog& trace, RunHooks& hooks,
               ScriptCache& scripts);

  // Every player action ends here. The name may carry link parameters and be an alias. It is taken
  // by value: callers often pass a session field that the run's own resets overwrite.
  void run(std::string name);

  // Runs in progress, counting runs nested inside a waiting command.
  int depth() const { return depth_; }

  // RunControl
  bool loadScript(const std::string& name) override;
  void traceHeader(const std::string& name) override;
  long long runsFinished() const override { return finished_; }

  // Script files read from disk so far; a file unchanged since it was read is not read again.
  size_t scriptReads() const { return cache_.reads(); }
  // Registers, object table and both settings files written, as after every run.
  void saveState();

 private:
  void interpretAll();
  // Where a run abort happened: the script and its line, counted from 1 as editors count, and the
  // line itself.
  std::string abortLocation() const;

  GameSession& session_;
  ScriptInterpreter& interpreter_;
  TraceLog& trace_;
  RunHooks& hooks_;
  ScriptCache& cache_;
  int depth_ = 0;
  std::string abortWhere_;  // set when a line of the run aborts it
  long long finished_ = 0;
};

}  // namespace taluvin
