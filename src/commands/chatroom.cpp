#include <string>

#include "world/cp1252.h"
#include "world/game.h"

namespace qv {
namespace {

constexpr std::int32_t kCrowdDraw = 29;      // 0 .. 28 occupants
constexpr std::int32_t kFirstTalkDraw = 20;  // 0 .. 19 ticks before the first line
constexpr std::int32_t kWordsDraw = 30;      // 0 .. 29 words a line
constexpr std::int32_t kTalkPauseMax = 25;   // next line after 25 - Random(20) ticks
constexpr std::int32_t kTalkPauseDraw = 20;
constexpr std::int32_t kSpeakNow = -1;
// The last slot is never visited by the chatter.
constexpr int kTalkingSlots = kChatSlots - 1;

}  // namespace

void Game::Chatroom() {
  LogOff();
  type("Logging onto hacker chatroom as spectator.......");
  world.player.currentserver = kInChatroom;
  reseed();
  const std::int32_t crowd = random(kCrowdDraw);
  addLine(std::to_string(crowd) + " users currently in the chatroom.");
  TChatroom& room = world.chatroom;
  room.usercount = crowd;
  // Slots above the crowd keep what an earlier, larger visit left there.
  for (int i = 1; i <= crowd; ++i) {
    chatuser& occupant = room.users[i];
    occupant.role = drawRow(tables.useridlist);
    occupant.ip = drawAddress();
    occupant.nickname = drawRow(tables.NameList);
    occupant.talktime = random(kFirstTalkDraw);
  }
  ports().timers.setEnabled(TimerId::ChatTimer, true);
}

void Game::ChatTimerTimer() {
  for (int i = 1; i <= kTalkingSlots; ++i) {
    chatuser& occupant = world.chatroom.users[i];
    if (occupant.talktime == kSpeakNow && !occupant.nickname.empty()) {
      const std::int32_t count = random(kWordsDraw);
      std::string words;
      for (std::int32_t w = 0; w < count; ++w) words += drawRow(tables.wordlist) + " ";
      outputline = cp1252::upperCase(occupant.nickname) + ": " + words + ".";
      addLine(outputline);
      occupant.talktime = kTalkPauseMax - random(kTalkPauseDraw);
    }
    if (occupant.talktime >= 0) --occupant.talktime;
  }
}

}  // namespace qv
