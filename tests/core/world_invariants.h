#pragma once

#include <cstdint>
#include <string>

#include "world/records.h"

namespace qv::test {

// Checks what must hold for any world after any command or tick: counts
// within their bounds, files packed below the count and empty above it, the
// player somewhere real. Returns an empty text when all holds, else the first
// broken rule. A caller that has already checked every slot above every
// count (strictPackingFault does) passes walkSlots false.
inline std::string brokenInvariant(const World& world, bool walkSlots = true) {
  auto emptyFile = [](const Afile& f) { return f.name.empty() && f.filetype.empty(); };
  for (int i = 1; i <= kServerCount; ++i) {
    const server& s = world.servers[i];
    // Built only on a failure: the fuzzers run this check millions of times.
    auto where = [i] { return "server " + std::to_string(i); };
    if (s.filecount < 0 || s.filecount > kServerFileSlots)
      return where() + ": filecount out of range";
    for (int k = s.filecount + 1; walkSlots && k <= kServerFileSlots; ++k) {
      if (!emptyFile(s.files[k]))
        return where() + ": file above the count in slot " + std::to_string(k);
    }
    for (int j = 1; j <= kUserSlots; ++j) {
      const user& u = s.users[j];
      auto who = [&where, j] { return where() + " user " + std::to_string(j); };
      if (u.filecount < 0 || u.filecount > kUserFileSlots)
        return who() + ": filecount out of range";
      if (u.nickname.empty()) continue;
      for (int k = u.filecount + 1; walkSlots && k <= kUserFileSlots; ++k) {
        if (!emptyFile(u.files[k])) return who() + ": file above the count";
      }
    }
  }
  const Tplayer& p = world.player;
  if (p.filecount < 0 || p.filecount > kHarddriveSlots) return "hard drive: filecount out of range";
  for (int k = 1; k <= kHarddriveSlots; ++k) {
    const bool occupied = !p.harddrive[k].name.empty();
    if (occupied != (k <= p.filecount))
      return "hard drive: not packed at slot " + std::to_string(k);
  }
  const int at = p.currentserver;
  if (!(at == kNotConnected || at == kInChatroom || at == 0 || (at >= 1 && at <= kServerCount))) {
    return "player at an impossible place";
  }
  if (world.chatroom.usercount < 0 || world.chatroom.usercount > 28)
    return "chat room count out of range";
  return {};
}

inline bool isEmptyFile(const Afile& file) {
  return (file.filetype.size() | file.name.size() | file.info.size()) == 0;
}

// Files in slots 1..count each carry a type word (every file ever made has
// one; a name may be empty), and every slot above the count is empty.
template <typename Slots>
std::string packingFault(const Slots& files, std::int32_t count, int capacity) {
  if (count < 0 || count > capacity) return "count " + std::to_string(count) + " out of bounds";
  for (int k = 1; k <= count; ++k) {
    if (files[k].filetype.empty()) return "untyped file in slot " + std::to_string(k);
  }
  for (int k = count + 1; k <= capacity; ++k) {
    if (!isEmptyFile(files[k])) return "leftover file in slot " + std::to_string(k);
  }
  return {};
}

inline std::string userFault(const user& u) {
  if (u.nickname.empty()) {
    if (u.filecount != 0 || !u.role.empty() || !u.ip.empty()) return "free slot not cleared";
  }
  return packingFault(u.files, u.filecount, kUserFileSlots);
}

inline std::string driveFault(const Tplayer& player) {
  if (auto fault = packingFault(player.harddrive, player.filecount, kHarddriveSlots);
      !fault.empty()) {
    return "hard drive: " + fault;
  }
  return {};
}

// Stricter packing than brokenInvariant: no untyped file below a count, no
// leftovers in a freed user slot. Cheap enough to run after every handler.
inline std::string strictPackingFault(const World& world) {
  for (int i = 1; i <= kServerCount; ++i) {
    const server& host = world.servers[i];
    auto where = [i] { return "server " + std::to_string(i) + ": "; };
    if (auto fault = packingFault(host.files, host.filecount, kServerFileSlots); !fault.empty()) {
      return where() + fault;
    }
    for (int j = 1; j <= kUserSlots; ++j) {
      if (auto fault = userFault(host.users[j]); !fault.empty()) {
        return where() + "user " + std::to_string(j) + ": " + fault;
      }
    }
  }
  return driveFault(world.player);
}

// Every rule: the general ones of brokenInvariant and the packing above. The
// packing covers brokenInvariant's empty slots above the counts, so the world
// is walked once (the fuzzers run this after every line).
inline std::string worldFault(const World& world) {
  if (auto fault = strictPackingFault(world); !fault.empty()) return fault;
  return brokenInvariant(world, false);
}

}  // namespace qv::test
