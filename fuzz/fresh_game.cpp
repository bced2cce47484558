// Resets a world to a copy of another. The fuzz build compiles this file
// without coverage feedback and fully optimised: it runs before every input
// and is harness, not game.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fresh_game.h"

namespace qv::fuzz {
namespace {

// A field added to these records must be copied below too.
constexpr std::size_t padded(std::size_t bytes) {
  return (bytes + 7) / 8 * 8;
}
static_assert(sizeof(user) == padded(sizeof(OneBased<Afile, kUserFileSlots>) + sizeof(Address) +
                                     2 * sizeof(std::string) + 5 * sizeof(std::int32_t)),
              "copyUser copies every field of a user");
static_assert(sizeof(server) ==
                  padded(sizeof(OneBased<Afile, kServerFileSlots>) + sizeof(ServerName) +
                         sizeof(OneBased<user, kUserSlots>) + sizeof(Address) +
                         2 * sizeof(std::string) + 3 * sizeof(std::int32_t)),
              "copyServer copies every field of a server");

// Eight bytes at a time, in plain code: a call to memcmp would go through the
// sanitizer's interceptor, which also hands every comparison to the fuzzer's
// table of compared values.
bool sameBytes(const char* a, const char* b, std::size_t n) {
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::memcpy(&x, a + i, 8);
    std::memcpy(&y, b + i, 8);
    if (x != y) return false;
  }
  for (; i < n; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// Most texts are the same as before the last input: reading both is much
// cheaper than an assignment.
void copyText(std::string& to, const std::string& from) {
  if (to.size() == from.size() && sameBytes(to.data(), from.data(), from.size())) return;
  to = from;
}

void copyFile(Afile& to, const Afile& from) {
  copyText(to.filetype, from.filetype);
  copyText(to.name, from.name);
  copyText(to.info, from.info);
}

// Slots above a count are empty in both worlds: every input ends with the
// world checks, which abort when one is not. So only the slots below the
// larger of the two counts can differ.
template <typename Slots>
void copyFiles(Slots& to, std::int32_t toCount, const Slots& from, std::int32_t fromCount) {
  const int used = std::clamp(std::max(toCount, fromCount), 0, Slots::size());
  for (int k = 1; k <= used; ++k) copyFile(to[k], from[k]);
}

void copyUser(user& to, const user& from) {
  copyFiles(to.files, to.filecount, from.files, from.filecount);
  copyText(to.role, from.role);
  to.ip = from.ip;
  to.jumptime = from.jumptime;
  to.uploadtime = from.uploadtime;
  to.downloadtime = from.downloadtime;
  to.deletetime = from.deletetime;
  copyText(to.nickname, from.nickname);
  to.filecount = from.filecount;
}

void copyServer(server& to, const server& from) {
  copyFiles(to.files, to.filecount, from.files, from.filecount);
  for (int j = 1; j <= kUserSlots; ++j) copyUser(to.users[j], from.users[j]);
  to.name = from.name;
  to.ip = from.ip;
  to.phone = from.phone;
  to.status = from.status;
  to.servertype = from.servertype;
  to.suspicion = from.suspicion;
  to.filecount = from.filecount;
}

}  // namespace

void copyWorld(World& to, const World& from) {
  for (int i = 1; i <= kServerCount; ++i) copyServer(to.servers[i], from.servers[i]);
  to.player = from.player;
  to.chatroom = from.chatroom;
  to.mission = from.mission;
}

}  // namespace qv::fuzz
