#include "commands/chatroom.h"

#include <string>

#include "commands/command_rules.h"
#include "commands/connection.h"
#include "world/console.h"
#include "world/cp1252.h"
#include "world/game.h"

namespace qv {
namespace {

constexpr std::int32_t kSpeakNow = -1;
// The last slot is never visited by the chatter.
constexpr int kTalkingSlots = kChatSlots - 1;

}  // namespace

void Chatroom(Game& game) {
  LogOff(game);
  type(game, "Logging onto hacker chatroom as spectator.......");
  game.world.player.currentserver = kInChatroom;
  game.reseed();
  const std::int32_t crowd = game.random(commands::kCrowdDraw);
  addLine(game, std::to_string(crowd) + " users currently in the chatroom.");
  TChatroom& room = game.world.chatroom;
  room.usercount = crowd;
  // Slots above the crowd keep what an earlier, larger visit left there.
  for (int i = 1; i <= crowd; ++i) {
    chatuser& occupant = room.users[i];
    occupant.role = game.drawRow(game.tables.useridlist);
    occupant.ip = game.drawAddress();
    occupant.nickname = game.drawRow(game.tables.NameList);
    occupant.talktime = game.random(commands::kFirstTalkDraw);
  }
  game.ports().timers.setEnabled(TimerId::ChatTimer, true);
}

void ChatTimerTimer(Game& game) {
  for (int i = 1; i <= kTalkingSlots; ++i) {
    chatuser& occupant = game.world.chatroom.users[i];
    if (occupant.talktime == kSpeakNow && !occupant.nickname.empty()) {
      const std::int32_t count = game.random(commands::kWordsDraw);
      std::string words;
      for (std::int32_t w = 0; w < count; ++w) words += game.drawRow(game.tables.wordlist) + " ";
      game.outputline = cp1252::upperCase(occupant.nickname) + ": " + words + ".";
      addLine(game, game.outputline);
      occupant.talktime = commands::kTalkPauseMax - game.random(commands::kTalkPauseDraw);
    }
    if (occupant.talktime >= 0) --occupant.talktime;
  }
}

}  // namespace qv
