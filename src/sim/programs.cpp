// Programs planted on servers: every second the walk over all server files
// lets each program it meets do its work, then every server cools down.

#include "sim/programs.h"

#include <cstdint>
#include <string_view>

#include "sim/sim_rules.h"
#include "world/console.h"
#include "world/cp1252.h"
#include "world/game.h"
#include "world/saturate.h"

namespace qv {
namespace {

constexpr std::string_view kDeleter = "deleter";
constexpr std::string_view kThief = "thief";
constexpr std::string_view kSpy = "spy";
constexpr std::string_view kHydra = "hydra";
constexpr std::string_view kAntivirus = "antivirus";

constexpr std::string_view kBugged = "bugged";

// What an antivirus removes, tested in this order against each slot.
constexpr std::string_view kRemovedByAntivirus[] = {kDeleter,  kThief, kSpy,  kHydra,
                                                    "tracker", "bomb", "mine"};

// The goal words a mission writer uses for a server finished off.
constexpr std::string_view kDeletedGoals[] = {"down", "destroyed", "deleted"};
constexpr std::string_view kDeleted = "deleted";

// A goal is a status word in any letter case; the words for a finished
// server all mean "deleted".
bool statusMeetsGoal(std::string_view status, std::string_view goal) {
  std::string wanted = cp1252::lowerCase(goal);
  for (std::string_view word : kDeletedGoals) {
    if (wanted == word) wanted = kDeleted;
  }
  return cp1252::lowerCase(status) == wanted;
}

void coolAfterPrograms(server& host) {
  sim::coolSuspicion(
      host.suspicion, [] { return sim::kProgramsHighDrop; },
      [] { return sim::kProgramsMiddleDrop; });
}

}  // namespace

void attacktimerTimer(Game& game) {
  for (int i = 1; i <= kServerCount; ++i) {
    server& host = game.world.servers[i];
    for (int k = 1; k <= kServerFileSlots; ++k) {
      // Each test reads the slot afresh: an earlier program's work may have
      // moved another file into it.
      const std::string& type = host.files[k].filetype;
      if (type == kDeleter) deletervirus(game, i);
      if (type == kThief) thiefvirus(game, i);
      if (type == kSpy) setServerStatus(game, i, kBugged);
      if (type == kHydra) hydravirus(game, i, k);
      if (type == kAntivirus) serverantivirus(game, i);
    }
  }
  for (server& host : game.world.servers) coolAfterPrograms(host);
}

void setServerStatus(Game& game, int serverIndex, std::string_view status) {
  game.world.servers[serverIndex].status = status;
  TMission& mission = game.world.mission;
  if (serverIndex != mission.targetindex || mission.missiontype != "serverstatus") return;
  if (mission.statusGoalReached || !statusMeetsGoal(status, mission.goalstatus)) return;
  mission.statusGoalReached = true;
  addLine(game, "you won the mission!");
}

void deletervirus(Game& game, int serverIndex) {
  server& host = game.world.servers[serverIndex];
  game.reseed();
  const int passes = game.random(sim::kDeleterPassDraw) + 1;
  for (int pass = 1; pass <= passes; ++pass) {
    // The victim is the file just below the last one: a deleter that is the
    // last file eats the files below it until it is alone, then removes
    // itself and leaves the server empty.
    const bool aloneDeleter = host.filecount == 1 && host.files[1].filetype == kDeleter;
    if (aloneDeleter) deleteserverfile(game, serverIndex, 1);
    if (host.filecount > 1) {
      const int victim = host.filecount - 1;
      const std::string name = host.files[victim].name;
      deleteserverfile(game, serverIndex, victim);
      addTo(host.suspicion, sim::kDeleterCost);
      if (game.world.player.currentserver == serverIndex) {
        addLine(game, "file: " + name + "deleted from server by unknown");
      }
    }
    // Only a server with no file left at all counts as deleted; it is
    // finished once, so the passes left have nothing to do.
    if (host.filecount == 0) {
      setServerStatus(game, serverIndex, kDeleted);
      addTo(host.suspicion, sim::kEmptiedServerCost);
      return;
    }
  }
}

void deleteserverfile(Game& game, int serverIndex, int slot) {
  server& host = game.world.servers[serverIndex];
  if (game.world.player.currentserver == serverIndex) {
    addLine(game, "File: " + host.files[slot].name + " was deleted by program");
  }
  sim::removeServerFile(host, slot);
}

void thiefvirus(Game& game, int serverIndex) {
  server& host = game.world.servers[serverIndex];
  if (host.servertype != "money") return;
  game.reseed();
  const std::int32_t amount = game.random(sim::kTheftDraw);
  addTo(game.world.player.money, amount);
  addTo(host.suspicion, sim::kThiefCost);
  TMission& mission = game.world.mission;
  if (serverIndex == mission.targetindex && mission.missiontype == "aquiremoney") {
    addTo(mission.money, -std::int64_t{amount});
    if (mission.money <= 0) addLine(game, "you won the mission!");
  }
}

void hydravirus(Game& game, int serverIndex, int slot) {
  server& host = game.world.servers[serverIndex];
  // The deleter work may move or remove the hydra itself.
  const Afile hydra = host.files[slot];
  deletervirus(game, serverIndex);
  setServerStatus(game, serverIndex, kBugged);
  for (user& u : host.users) {
    if (u.nickname.empty()) continue;
    if (u.filecount == kUserFileSlots) {
      u.files[kUserFileSlots] = hydra;
    } else if (u.filecount >= 0 && u.filecount < kUserFileSlots) {
      u.files[u.filecount + 1] = hydra;
      addTo(u.filecount, 1);
    }
  }
}

void serverantivirus(Game& game, int serverIndex) {
  server& host = game.world.servers[serverIndex];
  if (host.status == "normal") return;
  for (int k = 1; k <= kServerFileSlots; ++k) {
    // A file that moves into the slot is tested only against the words left.
    for (std::string_view word : kRemovedByAntivirus) {
      if (host.files[k].filetype == word) deleteserverfile(game, serverIndex, k);
    }
  }
}

void spyreport(Game& game) {
  for (int i = 1; i <= kServerCount; ++i) {
    const server& host = game.world.servers[i];
    if (host.status != kBugged) continue;
    addLine(game, "Report on server: " + std::to_string(i) + ", " + host.name + ":");
    addLine(game, "Status: " + host.status);
    addLine(game, "Type: " + host.servertype);
    addLine(game, "Suspicion:" + std::to_string(host.suspicion));
    addLine(game, "Server users: ");
    for (const user& u : host.users) {
      addLine(game, u.nickname + " : " + u.role + " Time left: " + std::to_string(u.jumptime));
    }
    addLine(game, "server files:");
    for (const Afile& file : host.files) {
      if (!file.name.empty()) addLine(game, file.name);
    }
  }
}

}  // namespace qv
