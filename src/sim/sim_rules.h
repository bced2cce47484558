#pragma once

#include <cstdint>
#include <string>

#include "world/records.h"

namespace qv::sim {

// No server stays more suspicious than this after a cooling pass.
constexpr std::int32_t kMaxSuspicion = 100;

// Both coolings (per move attempt and per program tick) lower a server's
// suspicion by an amount that depends on its band; 0 or less, and anything
// above the cap, is not lowered.
enum class SuspicionBand { Untouched, Low, Middle, High };

inline SuspicionBand bandOf(std::int32_t suspicion) {
  if (suspicion >= 51 && suspicion <= 100) return SuspicionBand::High;
  if (suspicion >= 21 && suspicion <= 50) return SuspicionBand::Middle;
  if (suspicion >= 1 && suspicion <= 20) return SuspicionBand::Low;
  return SuspicionBand::Untouched;
}

inline void capSuspicion(std::int32_t& suspicion) {
  if (suspicion > kMaxSuspicion) suspicion = kMaxSuspicion;
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
