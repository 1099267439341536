// Waiting in tests on a condition while the program's events run, instead of sleeping a fixed time.
#pragma once

#include <functional>

namespace taluvin::testing {

// Lets events run until the condition holds or the deadline passes; returns whether it holds. The
// deadline is only a bound on a hang: keep it generous, a loaded machine may be many times slower.
bool waitUntil(const std::function<bool()>& condition, int deadlineMs = 60000);

}  // namespace taluvin::testing
