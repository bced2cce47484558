#include <cstdint>
#include <string>

#include "commands/where.h"
#include "world/cp1252.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
namespace {

constexpr std::int32_t kWhoIsSuspicion = 1;
constexpr std::int32_t kIdentifySuspicion = 5;
constexpr std::int32_t kWhoSuspicion = 8;

// An address nobody has still gets a ten-digit answer, one above the 32-bit
// range, so dialling it fails.
constexpr std::int64_t kMadeUpPhoneTop = 9999999999LL;
constexpr std::int32_t kMadeUpPhoneSpread = 410065407;

std::string listedAs(const std::string& ip, const std::string& nickname) {
  return "(" + ip + "):" + nickname;
}

}  // namespace

void Game::IdIp(const std::string& address) {
  type("Running decoding algorithms on ip: " + address);
  bool found = false;
  for (int i = 1; i <= kServerCount; ++i) {
    const server& s = world.servers[i];
    if (s.ip.str() != address) continue;
    type("Decoding complete....");
    type("Phone of server at: " + address + " = " + std::to_string(s.phone));
    found = true;
  }
  if (onServer(world.player)) {
    server& s = world.servers[world.player.currentserver];
    for (int j = 1; j <= kUserSlots; ++j) {
      const user& u = s.users[j];
      if (u.ip.str() != address) continue;
      type("Information on " + address + ":");
      addLine("Nickname: " + u.nickname);
      addLine("Identification: " + u.role);
      addTo(s.suspicion, kIdentifySuspicion);
      found = true;
    }
  }
  if (found) return;
  type("Decoding complete....");
  reseed();
  const std::int64_t madeUp = kMadeUpPhoneTop - random(kMadeUpPhoneSpread);
  type("Phone of server at: " + address + " = " + std::to_string(madeUp));
}

void Game::WhoIs() {
  const std::int32_t where = world.player.currentserver;
  if (where == kInChatroom) {
    const TChatroom& room = world.chatroom;
    type("There are currently " + std::to_string(room.usercount) + " users in CHATROOM");
    for (int i = 1; i <= room.usercount && i <= kChatSlots; ++i) {
      addLine(listedAs(room.users[i].ip, room.users[i].nickname));
    }
    return;
  }
  if (!onServer(world.player)) {
    type("You are not logged on to any server. To log on you must dial server");
    return;
  }
  server& s = world.servers[where];
  type("Users logged onto " + s.name);
  addTo(s.suspicion, kWhoIsSuspicion);
  for (const user& u : s.users) {
    if (!u.nickname.empty()) addLine(listedAs(u.ip, u.nickname));
  }
}

void Game::who(const std::string& nickname) {
  if (!onServer(world.player)) return;
  const std::int32_t where = world.player.currentserver;
  server& s = world.servers[where];
  for (int j = 1; j <= kUserSlots; ++j) {
    const user& u = s.users[j];
    if (!cp1252::equalsIgnoreCase(u.nickname, nickname)) continue;
    type("User Information: " + u.ip + ":" + nickname + std::to_string(where) + "," +
         std::to_string(j));
    type("Identification:" + u.role);
    type("Files on harddrive: " + std::to_string(u.filecount));
    addTo(s.suspicion, kWhoSuspicion);
  }
}

}  // namespace qv
