#pragma once

// The memory of this process as the kernel counts it, in KiB.

namespace qv::soak {

// Resident set size now (VmRSS).
long residentKib();
// The highest resident set size so far (VmHWM).
long peakResidentKib();

}  // namespace qv::soak
