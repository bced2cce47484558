#include <string>

#include "commands/where.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
namespace {

constexpr std::int32_t kConnectSuspicion = 10;
// Leaving a server that is already wary makes it warier; leaving one that
// hardly noticed the player calms it further.
constexpr std::int32_t kWaryAbove = 50;
constexpr std::int32_t kWaryRaise = 15;
constexpr std::int32_t kCalmBelow = 15;
constexpr std::int32_t kCalmDrop = 5;

}  // namespace

void Game::DialServer(std::int32_t number) {
  const std::string dialled = std::to_string(number);
  type("Dialing " + dialled + " ............");
  bool answered = false;
  // Every server with that number answers in turn; the last one keeps the
  // player.
  for (int i = 1; i <= kServerCount; ++i) {
    server& s = world.servers[i];
    if (s.phone != number) continue;
    LogOff();
    addTo(s.suspicion, kConnectSuspicion);
    type("Connected to server " + s.name + " at " + s.ip);
    world.player.currentserver = i;
    answered = true;
  }
  if (answered) return;
  type("Disconnecting.....");
  type("Could not connect to " + dialled);
}

void Game::LogOff() {
  Tplayer& player = world.player;
  if (player.currentserver == kInChatroom) {
    ports().timers.setEnabled(TimerId::ChatTimer, false);
    player.currentserver = kNotConnected;
    type("Logged off of CHATROOM");
    return;
  }
  if (!onServer(player)) return;
  server& s = world.servers[player.currentserver];
  type("Logged off of server: " + s.name + " at: " + s.ip);
  if (s.suspicion > kWaryAbove) addTo(s.suspicion, kWaryRaise);
  if (s.suspicion < kCalmBelow) addTo(s.suspicion, -kCalmDrop);
  player.currentserver = kNotConnected;
}

void Game::servername() {
  const std::int32_t where = world.player.currentserver;
  if (where == kInChatroom) {
    addLine("Servername = CHATROOM");
  } else if (onServer(world.player)) {
    addLine("Servername = " + world.servers[where].name);
  } else {
    addLine("You are not on a server!");
  }
}

}  // namespace qv
