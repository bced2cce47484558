#include "commands/recon.h"

#include <cstdint>
#include <string>

#include "commands/command_rules.h"
#include "commands/on_server.h"
#include "world/console.h"
#include "world/cp1252.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
namespace {

std::string listedAs(const std::string& ip, const std::string& nickname) {
  return "(" + ip + "):" + nickname;
}

}  // namespace

void IdIp(Game& game, const std::string& address) {
  type(game, "Running decoding algorithms on ip: " + address);
  bool found = false;
  for (int i = 1; i <= kServerCount; ++i) {
    const server& s = game.world.servers[i];
    if (s.ip.str() != address) continue;
    type(game, "Decoding complete....");
    type(game, "Phone of server at: " + address + " = " + std::to_string(s.phone));
    found = true;
  }
  if (onServer(game.world.player)) {
    server& s = game.world.servers[game.world.player.currentserver];
    for (int j = 1; j <= kUserSlots; ++j) {
      const user& u = s.users[j];
      if (u.ip.str() != address) continue;
      type(game, "Information on " + address + ":");
      addLine(game, "Nickname: " + u.nickname);
      addLine(game, "Identification: " + u.role);
      addTo(s.suspicion, commands::kIdentifySuspicion);
      found = true;
    }
  }
  if (found) return;
  type(game, "Decoding complete....");
  game.reseed();
  const std::int64_t madeUp = commands::kMadeUpPhoneTop - game.random(commands::kMadeUpPhoneSpread);
  type(game, "Phone of server at: " + address + " = " + std::to_string(madeUp));
}

void WhoIs(Game& game) {
  const std::int32_t where = game.world.player.currentserver;
  if (where == kInChatroom) {
    const TChatroom& room = game.world.chatroom;
    type(game, "There are currently " + std::to_string(room.usercount) + " users in CHATROOM");
    for (int i = 1; i <= room.usercount && i <= kChatSlots; ++i) {
      addLine(game, listedAs(room.users[i].ip, room.users[i].nickname));
    }
    return;
  }
  if (!onServer(game.world.player)) {
    type(game, "You are not logged on to any server. To log on you must dial server");
    return;
  }
  server& s = game.world.servers[where];
  type(game, "Users logged onto " + s.name);
  addTo(s.suspicion, commands::kWhoIsSuspicion);
  for (const user& u : s.users) {
    if (!u.nickname.empty()) addLine(game, listedAs(u.ip, u.nickname));
  }
}

void who(Game& game, const std::string& nickname) {
  if (!onServer(game.world.player)) return;
  const std::int32_t where = game.world.player.currentserver;
  server& s = game.world.servers[where];
  for (int j = 1; j <= kUserSlots; ++j) {
    const user& u = s.users[j];
    if (!cp1252::equalsIgnoreCase(u.nickname, nickname)) continue;
    type(game, "User Information: " + u.ip + ":" + nickname + std::to_string(where) + "," +
                   std::to_string(j));
    type(game, "Identification:" + u.role);
    type(game, "Files on harddrive: " + std::to_string(u.filecount));
    addTo(s.suspicion, commands::kWhoSuspicion);
  }
}

}  // namespace qv
