// User file activity: every user uploads, downloads and deletes files on the
// server where it sits, each on its own countdown. A countdown fires when it
// reaches -1, so a reset value of N means the activity comes N + 1 ticks later.

#include "sim/userfiles.h"

#include <cstdint>
#include <string_view>

#include "sim/sim_rules.h"
#include "world/console.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
namespace {

constexpr std::int32_t kFired = -1;

// A countdown's next value: base - Random(spread).
struct Reset {
  std::int32_t base;
  std::int32_t spread;
};

struct PaceRule {
  std::string_view role;
  Reset upload;
  Reset download;
  Reset remove;
};

constexpr PaceRule kPaceByRole[] = {
    {"Tech Support", {200, 100}, {600, 400}, {70, 30}},
    {"Administrator", {70, 50}, {40, 20}, {100, 20}},
    {"Webmaster", {30, 15}, {20, 5}, {20, 5}},
    {"Anti-hacker", {40, 20}, {30, 10}, {35, 10}},
    {"Hacker", {60, 40}, {20, 5}, {50, 18}},
};

const PaceRule* paceRuleFor(const std::string& role) {
  for (const PaceRule& rule : kPaceByRole) {
    if (rule.role == role) return &rule;
  }
  return nullptr;
}

// A user of a role outside the table keeps its fired countdown and acts again
// on the next tick.
void resetCountdown(Game& game, std::int32_t& countdown, const std::string& role,
                    Reset PaceRule::*which) {
  if (const PaceRule* rule = paceRuleFor(role)) {
    const Reset& reset = rule->*which;
    countdown = reset.base - game.random(reset.spread);
  }
}

void countDown(std::int32_t& countdown) {
  if (countdown >= 0) --countdown;
}

}  // namespace

void UserfiletimerTimer(Game& game) {
  game.reseed();
  for (int i = 1; i <= kServerCount; ++i) {
    for (int j = 1; j <= kUserSlots; ++j) {
      user& u = game.world.servers[i].users[j];
      // Free slots count down too and come to rest at -1.
      countDown(u.uploadtime);
      countDown(u.downloadtime);
      countDown(u.deletetime);
      if (u.nickname.empty()) continue;
      if (u.uploadtime == kFired) {
        userupload(game, i, j);
        game.ports().fileLog.appendLine("File Timer upload: " + sim::slotTag(i, j));
        resetCountdown(game, u.uploadtime, u.role, &PaceRule::upload);
      }
      if (u.downloadtime == kFired) {
        userdownload(game, i, j);
        game.ports().fileLog.appendLine("File Timer download: " + sim::slotTag(i, j));
        resetCountdown(game, u.downloadtime, u.role, &PaceRule::download);
      }
      if (u.deletetime == kFired) {
        game.ports().fileLog.appendLine("File Timer Delete: " + sim::slotTag(i, j));
        userdelete(game, i, j);
        resetCountdown(game, u.deletetime, u.role, &PaceRule::remove);
      }
    }
  }
  game.ports().fileLog.appendLine("File Timer has completed a full 30 server loop!");
}

void userupload(Game& game, int serverIndex, int slot) {
  server& host = game.world.servers[serverIndex];
  user& u = host.users[slot];
  if (host.filecount >= kServerFileSlots || u.filecount <= 0) return;
  const int f = game.random(u.filecount) + 1;
  const Afile& copy = sim::appendCopy(host.files, host.filecount, u.files[f]);
  addTo(host.suspicion, sim::kUploadCost);
  if (game.world.player.currentserver == serverIndex) {
    addLine(game, u.nickname + " uploaded file: " + copy.name);
  }
}

void userdownload(Game& game, int serverIndex, int slot) {
  server& host = game.world.servers[serverIndex];
  user& u = host.users[slot];
  if (u.filecount >= kUserFileSlots || host.filecount <= 0) return;
  const int r = game.random(host.filecount);
  const Afile& copy = sim::appendCopy(u.files, u.filecount, host.files[r + 1]);
  addTo(host.suspicion, sim::kDownloadCost);
  if (game.world.player.currentserver == serverIndex) {
    addLine(game, u.nickname + " has downloaded file: " + copy.name);
  }
}

void userdelete(Game& game, int serverIndex, int slot) {
  server& host = game.world.servers[serverIndex];
  const user& u = host.users[slot];
  if (host.filecount <= 0) return;
  // r is 0..n-1 and 0 spares everything: the last occupied slot is never
  // chosen, so a server with one file loses none.
  const int r = game.random(host.filecount);
  if (r == 0) return;
  const std::string name = host.files[r].name;
  // The mission's target file is never deleted by users.
  if (name.empty() || name == game.world.mission.filename) return;
  sim::removeServerFile(host, r);
  if (game.world.player.currentserver == serverIndex) {
    addLine(game, "file: " + name + " deleted from server by " + u.nickname);
  }
  addTo(host.suspicion, sim::kDeleteCost);
}

}  // namespace qv
