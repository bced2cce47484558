#pragma once

// Worlds built by hand for the simulation tests and the benchmark.

#include <cstdint>
#include <string>

#include "world/game.h"
#include "world/random.h"
#include "world/records.h"

namespace qv::test {

inline Afile makeFile(const std::string& filetype, const std::string& name) {
  Afile file;
  file.filetype = filetype;
  file.name = name;
  return file;
}

// Appends a file to a server, as an upload does.
inline void addServerFile(server& host, const Afile& file) {
  ++host.filecount;
  host.files[host.filecount] = file;
}

// Ordinary text files named prefix1.txt, prefix2.txt, ...
inline void addOrdinaryFiles(server& host, int count, const std::string& prefix = "f") {
  for (int k = 1; k <= count; ++k) {
    addServerFile(host, makeFile("text", prefix + std::to_string(k) + ".txt"));
  }
}

inline void giveUserFiles(user& u, int count, const std::string& prefix = "u") {
  for (int k = 1; k <= count; ++k) {
    ++u.filecount;
    u.files[u.filecount] = makeFile("text", prefix + std::to_string(k) + ".txt");
  }
}

// Seats a user whose countdowns are far off, so it neither moves nor acts
// unless a test says so.
inline user& seatUser(server& host, int slot, const std::string& nickname,
                      const std::string& role = "Administrator") {
  user& u = host.users[slot];
  u.nickname = nickname;
  u.role = role;
  u.ip = "10.0.0." + std::to_string(slot);
  u.jumptime = 10'000;
  u.uploadtime = 10'000;
  u.downloadtime = 10'000;
  u.deletetime = 10'000;
  return u;
}

// The draws a game makes after reseeding at a time of day.
inline Random seededAt(std::int64_t msOfDay) {
  Random r;
  r.reseed(msOfDay);
  return r;
}

// A world in the shape generation leaves it, drawn from the game's own
// generator and tables. With `full`, every server holds 100 files and 15
// users carrying 20 files each; otherwise counts are drawn like generation.
inline void buildWorld(Game& game, bool full) {
  static const char* const kTypes[] = {"text", "zip", "other", "text"};
  static const char* const kExtensions[] = {".txt", ".zip", ".dat", ".doc"};
  game.reseed();
  Random& random = game.random;
  World& world = game.world;
  world.player.configstable = 1;
  world.player.commandsstable = 1;
  world.player.filecount = 2;
  world.player.harddrive[1] = makeFile("config.sys", "config.sys");
  world.player.harddrive[2] = makeFile("commands.sys", "commands.sys");
  for (int i = 1; i <= kServerCount; ++i) {
    server& host = world.servers[i];
    host.name = game.drawRow(game.tables.servernamelist);
    host.ip = game.drawAddress();
    host.phone = 1410065407 - random(410065407);
    host.status = "stable";
    host.suspicion = 1;
    host.servertype = random(2) == 0 ? "money" : "other";
    const int files = full ? kServerFileSlots : 100 - random(70);
    for (int k = 1; k <= files; ++k) {
      const int kind = random(4);
      addServerFile(host,
                    makeFile(kTypes[kind], game.drawRow(game.tables.wordlist) + kExtensions[kind]));
    }
    const int users = full ? kUserSlots : random(15) + 1;
    for (int j = 1; j <= users; ++j) {
      user& u = host.users[j];
      u.nickname = game.drawRow(game.tables.NameList);
      u.role = game.drawRow(game.tables.useridlist);
      u.ip = game.drawAddress();
      u.jumptime = 50 - random(40);
      u.uploadtime = 60 - random(50);
      u.downloadtime = 60 - random(50);
      u.deletetime = 60 - random(50);
      const int carried = full ? kUserFileSlots : random(20) + 1;
      giveUserFiles(u, carried, game.drawRow(game.tables.wordlist));
    }
  }
  world.mission.targetindex = random(30) + 1;
}

}  // namespace qv::test
