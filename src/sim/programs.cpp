// Programs planted on servers: every second the walk over all server files
// lets each program it meets do its work, then every server cools down.

#include <cstdint>
#include <string_view>

#include "sim/sim_rules.h"
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

constexpr std::int32_t kDeleterCost = 3;
constexpr std::int32_t kThiefCost = 5;
constexpr std::int32_t kEmptiedServerCost = 20;

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
      host.suspicion, [] { return 3; }, [] { return 2; });
}

}  // namespace

void Game::attacktimerTimer() {
  for (int i = 1; i <= kServerCount; ++i) {
    server& host = world.servers[i];
    for (int k = 1; k <= kServerFileSlots; ++k) {
      // Each test reads the slot afresh: an earlier program's work may have
      // moved another file into it.
      const std::string& type = host.files[k].filetype;
      if (type == kDeleter) deletervirus(i);
      if (type == kThief) thiefvirus(i);
      if (type == kSpy) setServerStatus(i, kBugged);
      if (type == kHydra) hydravirus(i, k);
      if (type == kAntivirus) serverantivirus(i);
    }
  }
  for (server& host : world.servers) coolAfterPrograms(host);
}

void Game::setServerStatus(int serverIndex, std::string_view status) {
  world.servers[serverIndex].status = status;
  TMission& mission = world.mission;
  if (serverIndex != mission.targetindex || mission.missiontype != "serverstatus") return;
  if (mission.statusGoalReached || !statusMeetsGoal(status, mission.goalstatus)) return;
  mission.statusGoalReached = true;
  addLine("you won the mission!");
}

void Game::deletervirus(int serverIndex) {
  server& host = world.servers[serverIndex];
  reseed();
  const int passes = random(10) + 1;
  for (int pass = 1; pass <= passes; ++pass) {
    // The victim is the file just below the last one: a deleter that is the
    // last file eats the files below it until it is alone, then removes
    // itself and leaves the server empty.
    const bool aloneDeleter = host.filecount == 1 && host.files[1].filetype == kDeleter;
    if (aloneDeleter) deleteserverfile(serverIndex, 1);
    if (host.filecount > 1) {
      const int victim = host.filecount - 1;
      const std::string name = host.files[victim].name;
      deleteserverfile(serverIndex, victim);
      addTo(host.suspicion, kDeleterCost);
      if (world.player.currentserver == serverIndex) {
        addLine("file: " + name + "deleted from server by unknown");
      }
    }
    // Only a server with no file left at all counts as deleted; it is
    // finished once, so the passes left have nothing to do.
    if (host.filecount == 0) {
      setServerStatus(serverIndex, kDeleted);
      addTo(host.suspicion, kEmptiedServerCost);
      return;
    }
  }
}

void Game::deleteserverfile(int serverIndex, int slot) {
  server& host = world.servers[serverIndex];
  if (world.player.currentserver == serverIndex) {
    addLine("File: " + host.files[slot].name + " was deleted by program");
  }
  sim::removeServerFile(host, slot);
}

void Game::thiefvirus(int serverIndex) {
  server& host = world.servers[serverIndex];
  if (host.servertype != "money") return;
  reseed();
  const std::int32_t amount = random(1000);
  addTo(world.player.money, amount);
  addTo(host.suspicion, kThiefCost);
  TMission& mission = world.mission;
  if (serverIndex == mission.targetindex && mission.missiontype == "aquiremoney") {
    addTo(mission.money, -std::int64_t{amount});
    if (mission.money <= 0) addLine("you won the mission!");
  }
}

void Game::hydravirus(int serverIndex, int slot) {
  server& host = world.servers[serverIndex];
  // The deleter work may move or remove the hydra itself.
  const Afile hydra = host.files[slot];
  deletervirus(serverIndex);
  setServerStatus(serverIndex, kBugged);
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

void Game::serverantivirus(int serverIndex) {
  server& host = world.servers[serverIndex];
  if (host.status == "normal") return;
  for (int k = 1; k <= kServerFileSlots; ++k) {
    // A file that moves into the slot is tested only against the words left.
    for (std::string_view word : kRemovedByAntivirus) {
      if (host.files[k].filetype == word) deleteserverfile(serverIndex, k);
    }
  }
}

void Game::spyreport() {
  for (int i = 1; i <= kServerCount; ++i) {
    const server& host = world.servers[i];
    if (host.status != kBugged) continue;
    addLine("Report on server: " + std::to_string(i) + ", " + host.name + ":");
    addLine("Status: " + host.status);
    addLine("Type: " + host.servertype);
    addLine("Suspicion:" + std::to_string(host.suspicion));
    addLine("Server users: ");
    for (const user& u : host.users) {
      addLine(u.nickname + " : " + u.role + " Time left: " + std::to_string(u.jumptime));
    }
    addLine("server files:");
    for (const Afile& file : host.files) {
      if (!file.name.empty()) addLine(file.name);
    }
  }
}

}  // namespace qv
