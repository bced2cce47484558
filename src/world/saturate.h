#pragma once

#include <cstdint>
#include <limits>

namespace qv {

// The world's counters are 32-bit. Sums that could leave that range stop at
// its bounds instead of wrapping around (a balance never turns negative by
// growing too large).
inline std::int32_t clampToInt32(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < lo ? lo : (value > hi ? hi : value));
}

inline std::int32_t saturatingAdd(std::int32_t a, std::int64_t b) {
  return clampToInt32(static_cast<std::int64_t>(a) + b);
}

// Adds in place: counter += amount, saturating.
inline void addTo(std::int32_t& counter, std::int64_t amount) {
  counter = saturatingAdd(counter, amount);
}

}  // namespace qv
