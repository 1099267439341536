// The one failure that ends a script run early; thrown by the conversion and list helpers.
#pragma once

#include <stdexcept>
#include <string>

namespace taluvin {

// Caught once, by the runner. Handlers never catch it: a failure a command does not turn into a
// trace marker must stop the whole run, skip the end-of-run steps and reach the player as a message.
class RunAbort : public std::runtime_error {
 public:
  explicit RunAbort(const std::string& message) : std::runtime_error(message) {}
};

// The author ended a run stopped at a breakpoint: it ends as a failure does, without the message
// box a failure brings, since the author asked for it.
class RunStopped : public RunAbort {
 public:
  using RunAbort::RunAbort;
};

[[noreturn]] void abortNotAnInteger(const std::string& text);
[[noreturn]] void abortIndexOutOfBounds(long long index);

}  // namespace taluvin
