// The world's rules for the harnesses. The fuzz build compiles this file
// without coverage feedback: the checks are not the code under test, and
// their branches would only steer the fuzzer and slow every input.
#include "world_checks.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "world_invariants.h"

namespace qv::fuzz {

void requireSoundWorld(const World& world) {
  const std::string fault = test::worldFault(world);
  if (fault.empty()) return;
  std::fprintf(stderr, "broken: %s\n", fault.c_str());
  std::abort();
}

}  // namespace qv::fuzz
