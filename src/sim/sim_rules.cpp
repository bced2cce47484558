#include "sim/sim_rules.h"

#include <utility>

#include "world/saturate.h"

namespace qv::sim {

void removeServerFile(server& host, int slot) {
  host.files[slot] = Afile{};
  // A slot beyond the packed files holds nothing to remove and no count.
  if (slot > host.filecount) return;
  const int last = host.filecount > kServerFileSlots ? kServerFileSlots : host.filecount;
  for (int k = slot; k < last; ++k) host.files[k] = std::move(host.files[k + 1]);
  host.files[last] = Afile{};
  addTo(host.filecount, -1);
}

}  // namespace qv::sim
