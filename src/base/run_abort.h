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

[[noreturn]] void abortNotAnInteger(const std::string& text);
[[noreturn]] void abortIndexOutOfBounds(long long index);

}  // namespace taluvin
