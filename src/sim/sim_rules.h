#pragma once

#include <cstdint>
#include <string>

#include "world/records.h"
#include "world/saturate.h"

namespace qv::sim {

// No server stays more suspicious than this after a cooling pass.
constexpr std::int32_t kMaxSuspicion = 100;

// Both coolings (per move attempt and per program tick) lower a server's
// suspicion by an amount that depends on its band, then cap it. 0 or less,
// and anything above the cap, is not lowered. An amount is asked for only
// when the value is in its band, so a drawn amount draws only then.
template <typename HighDrop, typename MiddleDrop>
void coolSuspicion(std::int32_t& suspicion, HighDrop highDrop, MiddleDrop middleDrop) {
  if (suspicion >= 51 && suspicion <= 100) {
    addTo(suspicion, -std::int64_t{highDrop()});
  } else if (suspicion >= 21 && suspicion <= 50) {
    addTo(suspicion, -std::int64_t{middleDrop()});
  } else if (suspicion >= 1 && suspicion <= 20) {
    addTo(suspicion, -1);
  }
  if (suspicion > kMaxSuspicion) suspicion = kMaxSuspicion;
}

// Copies a file into the slot after the last of a packed list and counts it.
// The caller has checked that there is room.
template <typename Slots>
const Afile& appendCopy(Slots& files, std::int32_t& count, const Afile& file) {
  Afile& slot = files[count + 1];
  slot = file;
  addTo(count, 1);
  return slot;
}

// "3,12 ." : the server and slot a timer log line speaks of.
inline std::string slotTag(int serverIndex, int slot) {
  return std::to_string(serverIndex) + "," + std::to_string(slot) + " .";
}

// Removes the file in `slot` of a server. The files above it move down one
// slot and the slot that held the last file is cleared, so the files stay
// packed in slots 1..filecount and no ghost copy is left behind.
void removeServerFile(server& host, int slot);

}  // namespace qv::sim
