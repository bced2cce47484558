// Population movement: once a tick every user's stay counts down, and a user
// whose stay has run out tries to move to a random free slot on another
// server. Every attempt also cools the suspicion of all servers.

#include "sim/population.h"

#include <cstdint>
#include <string_view>

#include "sim/sim_rules.h"
#include "world/console.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
namespace {

// The next stay after a move: base - Random(spread) + factor x S, where S is
// the suspicion of the server just left. Anti-hackers and tech support linger
// after a suspicious server, hackers move on sooner.
struct StayRule {
  std::string_view role;
  std::int32_t base;
  std::int32_t spread;
  std::int32_t suspicionFactor;
};

constexpr StayRule kStayByRole[] = {
    {"Tech Support", 100, 80, 1},  // 21..100 + S
    {"Administrator", 50, 40, 0},  // 11..50
    {"Webmaster", 30, 25, 0},      // 6..30
    {"Anti-hacker", 30, 29, 2},    // 2..30 + 2S
    {"Hacker", 40, 30, -1},        // 11..40 - S
};

const StayRule* stayRuleFor(const std::string& role) {
  for (const StayRule& rule : kStayByRole) {
    if (rule.role == role) return &rule;
  }
  return nullptr;
}

bool canMove(const user& u) {
  return !u.nickname.empty() && !u.ip.empty();
}

// Cooling of one server on a move attempt: the draw follows a fresh reseed.
void coolOnAttempt(Game& game, server& host) {
  game.reseed();
  sim::coolSuspicion(
      host.suspicion, [&game] { return game.random(sim::kAttemptHighDraw); },
      [&game] { return game.random(sim::kAttemptMiddleDraw); });
}

// A free slot has every field empty or zero.
void freeSlot(user& u) {
  u.nickname.clear();
  u.role.clear();
  u.ip.clear();
  u.jumptime = 0;
  u.uploadtime = 0;
  u.downloadtime = 0;
  u.deletetime = 0;
  u.filecount = 0;
  for (Afile& file : u.files) file = Afile{};
}

}  // namespace

void JumpTimerTimer(Game& game) {
  for (int i = 1; i <= kServerCount; ++i) {
    for (int j = 1; j <= kUserSlots; ++j) {
      // Read afresh at each visit: a user who just moved here from an earlier
      // slot is counted down, or moves again, in this same tick.
      user& slot = game.world.servers[i].users[j];
      if (!canMove(slot)) continue;
      if (slot.jumptime <= 0 && !slot.role.empty()) JumpUser(game, i, j);
      if (slot.jumptime > 0) --slot.jumptime;
    }
  }
}

void JumpUser(Game& game, int serverIndex, int slot) {
  for (server& host : game.world.servers) coolOnAttempt(game, host);

  game.reseed();
  const int d = game.random(kServerCount) + 1;
  const int s = game.random(kUserSlots) + 1;
  const std::int32_t leftSuspicion = game.world.servers[serverIndex].suspicion;

  user& source = game.world.servers[serverIndex].users[slot];
  user& target = game.world.servers[d].users[s];
  if (!target.nickname.empty() || d == serverIndex) return;

  game.ports().jumpLog.appendLine("Jump Timer processing: " + sim::slotTag(serverIndex, slot));
  target.role = source.role;
  target.ip = source.ip;
  target.nickname = source.nickname;
  target.uploadtime = source.uploadtime;
  target.downloadtime = source.downloadtime;
  target.deletetime = source.deletetime;
  target.filecount = source.filecount;
  if (game.world.player.currentserver == d) type(game, target.nickname + " joined the server.");
  if (game.world.player.currentserver == serverIndex)
    type(game, target.nickname + " has left the server.");
  for (int f = 1; f <= kUserFileSlots; ++f) target.files[f] = source.files[f];

  if (const StayRule* rule = stayRuleFor(target.role)) {
    const std::int64_t stay = std::int64_t{rule->base} - game.random(rule->spread) +
                              std::int64_t{rule->suspicionFactor} * leftSuspicion;
    target.jumptime = clampToInt32(stay);
  }
  freeSlot(source);
}

}  // namespace qv
