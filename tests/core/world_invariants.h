#pragma once

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

}  // namespace qv::test
