#pragma once

#include <cstdint>
#include <string>

#include "world/records.h"
#include "world/saturate.h"

namespace qv::sim {

// No server stays more suspicious than this after a cooling pass.
constexpr std::int32_t kMaxSuspicion = 100;
// The cooling bands: high from here up to kMaxSuspicion, middle from
// kMiddleBandFloor below it, low from 1 below that.
constexpr std::int32_t kHighBandFloor = 51;
constexpr std::int32_t kMiddleBandFloor = 21;
// A move attempt cools by Random(10) in the high band, Random(3) in the middle.
constexpr std::int32_t kAttemptHighDraw = 10;
constexpr std::int32_t kAttemptMiddleDraw = 3;
// The programs' tick cools by these in the high and the middle band.
constexpr std::int32_t kProgramsHighDrop = 3;
constexpr std::int32_t kProgramsMiddleDrop = 2;

// What the programs' work costs their server in suspicion.
constexpr std::int32_t kDeleterCost = 3;         // per file a deleter removes
constexpr std::int32_t kThiefCost = 5;           // per theft
constexpr std::int32_t kEmptiedServerCost = 20;  // once, when a server is left empty
// A deleter makes Random(10) + 1 passes a tick; a thief takes Random(1000).
constexpr std::int32_t kDeleterPassDraw = 10;
constexpr std::int32_t kTheftDraw = 1000;

// What the users' file activity costs their server in suspicion.
constexpr std::int32_t kUploadCost = 5;
constexpr std::int32_t kDownloadCost = 1;
constexpr std::int32_t kDeleteCost = 5;

// Both coolings (per move attempt and per program tick) lower a server's
// suspicion by an amount that depends on its band, then cap it. 0 or less,
// and anything above the cap, is not lowered. An amount is asked for only
// when the value is in its band, so a drawn amount draws only then.
template <typename HighDrop, typename MiddleDrop>
void coolSuspicion(std::int32_t& suspicion, HighDrop highDrop, MiddleDrop middleDrop) {
  if (suspicion >= kHighBandFloor && suspicion <= kMaxSuspicion) {
    addTo(suspicion, -std::int64_t{highDrop()});
  } else if (suspicion >= kMiddleBandFloor && suspicion < kHighBandFloor) {
    addTo(suspicion, -std::int64_t{middleDrop()});
  } else if (suspicion >= 1 && suspicion < kMiddleBandFloor) {
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
