// RunControl: what the interpreter asks of the run it is part of, without knowing who runs it.
#pragma once

#include <string>

namespace taluvin {

// The runner implements it and hands itself to the interpreter, so the interpreter and the
// commands it dispatches name no runner: a script switch goes through here, and the runner's own
// steps call the interpreter.
class RunControl {
 public:
  virtual ~RunControl() = default;

  // Replaces ScriptLines with the named script's lines ("script", "gosub", "ret"); false, with
  // nothing changed, when it is missing.
  virtual bool loadScript(const std::string& name) = 0;
  // The "Executando script: " header of the script just loaded.
  virtual void traceHeader(const std::string& name) = 0;
  // Runs finished so far, nested ones included: a count that moved while events ran means a click
  // ran a script of its own meanwhile.
  virtual long long runsFinished() const = 0;
};

}  // namespace taluvin
