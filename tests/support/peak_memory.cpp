// Running the program in a child and reading its peak resident memory when it ends.
#include "support/peak_memory.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace taluvin::testing {

double peakMiBOfProgram(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  std::string binary = TALUVIN_BINARY;
  std::vector<std::string> words = args;
  argv.push_back(binary.data());
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    execv(TALUVIN_BINARY, argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return usage.ru_maxrss / 1024.0;
}

}  // namespace taluvin::testing
