// Runs the real taluvin program as a separate process, as a player or a checker would.
#pragma once

#include <string>
#include <vector>

namespace taluvin::testing {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Fails the run (exit code -1) if the program does not end within the time limit, which only bounds
// a hang. The program works in the test's own working folder.
ProgramRun runProgram(const std::vector<std::string>& args, int timeoutMs = 60000);

}  // namespace taluvin::testing
