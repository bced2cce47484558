#include "process_memory.h"

#include <sys/resource.h>

#include <fstream>
#include <string>

namespace qv::soak {
namespace {

// One "Key:   1234 kB" line of /proc/self/status; -1 when it is missing.
long statusKib(const std::string& wanted) {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == wanted) {
      long kib = -1;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

}  // namespace

long residentKib() {
  return statusKib("VmRSS:");
}

long peakResidentKib() {
  const long hwm = statusKib("VmHWM:");
  if (hwm >= 0) return hwm;
  // Without /proc, getrusage knows the peak too (in KiB on Linux).
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace qv::soak
