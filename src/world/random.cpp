#include "world/random.h"

namespace qv {

std::int32_t Random::operator()(std::int32_t n) {
  seed = seed * 134775813u + 1u;
  const std::uint64_t product = static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n);
  return static_cast<std::int32_t>(product >> 32);
}

void Random::reseed(std::int64_t msOfDay) { seed = static_cast<std::uint32_t>(msOfDay); }

}  // namespace qv
