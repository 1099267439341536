// The program's one random generator: a fixed sequence, the same in every run of the program.
#pragma once

#include <cstdint>

namespace taluvin {

class RandomGenerator {
 public:
  // A number from 0 to range - 1. The range is taken as an unsigned 32-bit number, so a range of 0
  // (a maximum of -1) always gives 0.
  uint32_t draw(uint32_t range) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(range) * state_) >> 32);
  }

  uint32_t state() const { return state_; }

 private:
  uint32_t state_ = 0;  // never seeded from the clock: every run of the program draws the same numbers
};

}  // namespace taluvin
