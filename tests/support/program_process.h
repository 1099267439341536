// A running child program that a test watches, signals and waits for, as a player or a shell would.
#pragma once

#include "support/program_run.h"

#include <QProcess>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace taluvin::testing {

class ProgramProcess {
 public:
  // Starts the real program headless, with the same environment as runProgram; extra variables
  // (name, value) are set on top of it.
  explicit ProgramProcess(const std::vector<std::string>& args,
                          const std::vector<std::pair<std::string, std::string>>& extraEnvironment = {});
  // A program still running is killed.
  ~ProgramProcess();

  // Polls until the condition holds; false when the deadline passes or the program ended first.
  bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
  void sendSignal(int signal);
  // Waits for the program's end; exit code -1 when it did not end in time (it is killed then) or
  // was killed by a signal.
  ProgramRun finish(int timeoutMs);

 private:
  QProcess process_;
};

}  // namespace taluvin::testing
