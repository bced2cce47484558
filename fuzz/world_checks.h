#pragma once

#include "world/records.h"

namespace qv::fuzz {

// Aborts with the broken rule when the world breaks one of the rules the
// soak checks.
void requireSoundWorld(const World& world);

}  // namespace qv::fuzz
