#include "commands/connection.h"

#include <string>

#include "commands/command_rules.h"
#include "commands/on_server.h"
#include "world/console.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
void DialServer(Game& game, std::int32_t number) {
  const std::string dialled = std::to_string(number);
  type(game, "Dialing " + dialled + " ............");
  bool answered = false;
  // Every server with that number answers in turn; the last one keeps the
  // player.
  for (int i = 1; i <= kServerCount; ++i) {
    server& s = game.world.servers[i];
    if (s.phone != number) continue;
    LogOff(game);
    addTo(s.suspicion, commands::kConnectSuspicion);
    type(game, "Connected to server " + s.name + " at " + s.ip);
    game.world.player.currentserver = i;
    answered = true;
  }
  if (answered) return;
  type(game, "Disconnecting.....");
  type(game, "Could not connect to " + dialled);
}

void LogOff(Game& game) {
  Tplayer& player = game.world.player;
  if (player.currentserver == kInChatroom) {
    game.ports().timers.setEnabled(TimerId::ChatTimer, false);
    player.currentserver = kNotConnected;
    type(game, "Logged off of CHATROOM");
    return;
  }
  if (!onServer(player)) return;
  server& s = game.world.servers[player.currentserver];
  type(game, "Logged off of server: " + s.name + " at: " + s.ip);
  if (s.suspicion > commands::kWaryAbove) addTo(s.suspicion, commands::kWaryRaise);
  if (s.suspicion < commands::kCalmBelow) addTo(s.suspicion, -commands::kCalmDrop);
  player.currentserver = kNotConnected;
}

void servername(Game& game) {
  const std::int32_t where = game.world.player.currentserver;
  if (where == kInChatroom) {
    addLine(game, "Servername = CHATROOM");
  } else if (onServer(game.world.player)) {
    addLine(game, "Servername = " + game.world.servers[where].name);
  } else {
    addLine(game, "You are not on a server!");
  }
}

}  // namespace qv
