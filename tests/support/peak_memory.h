// The peak resident memory of the real program run alone in a child process.
#pragma once

#include <string>
#include <vector>

namespace taluvin::testing {

// The program's own peak resident memory in MiB for a run with these arguments; -1 when it did not
// end with exit code 0. It runs in a process of its own and is waited for alone, so nothing the
// test process holds counts.
double peakMiBOfProgram(const std::vector<std::string>& args);

}  // namespace taluvin::testing
