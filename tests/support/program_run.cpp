// Runs the real program in a child process.
#include "support/program_run.h"

#include "support/program_process.h"

namespace taluvin::testing {

// No working directory is set, so the program starts in the test's fresh folder.
ProgramRun runProgram(const std::vector<std::string>& args, int timeoutMs) {
  ProgramProcess program(args);
  return program.finish(timeoutMs);
}

}  // namespace taluvin::testing
