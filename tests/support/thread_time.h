// The calling thread's own CPU time, which the growth tests compare: other processes on a loaded
// machine do not count in it, as they do in wall time.
#pragma once

#include <ctime>

namespace taluvin::testing {

inline double threadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace taluvin::testing
