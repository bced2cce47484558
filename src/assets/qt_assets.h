#pragma once

namespace qv {

// Registers the embedded pictures and texts (":/assets/..."). They live in a
// static library, whose registration the linker would otherwise drop. Safe
// to call more than once.
void ensureAssetsLoaded();

}  // namespace qv
