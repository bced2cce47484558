#pragma once

#include <cstdint>

namespace qv {

// The program's one pseudo-random generator: a 32-bit linear congruential
// sequence. Random(n) advances seed := seed * 134775813 + 1 (mod 2^32) and
// returns the upper 32 bits of seed * n, uniform over 0 .. n-1.
class Random {
 public:
  std::uint32_t seed = 0;

  std::int32_t operator()(std::int32_t n);

  // Seeds from a time of day in milliseconds since midnight UTC:
  // ((hour * 60 + minute) * 60 + second) * 1000 + milliseconds.
  void reseed(std::int64_t msOfDay);
};

}  // namespace qv
