#include "commands/files.h"

#include <string>

#include "commands/command_rules.h"
#include "commands/on_server.h"
#include "sim/programs.h"
#include "world/console.h"
#include "world/cp1252.h"
#include "world/game.h"

namespace qv {
namespace {

// Room for one more file when count files are stored in capacity slots.
bool hasRoom(std::int32_t count, int capacity) {
  return count >= 0 && count < capacity;
}

// A slot is taken by a typed name when it holds a file of that name, in any
// letter case; an empty slot is never taken, not even by an empty name.
bool holdsNamed(const Afile& file, const std::string& typedName) {
  return !file.name.empty() && cp1252::equalsIgnoreCase(file.name, typedName);
}

bool isMissionTarget(const TMission& mission, const Afile& file) {
  return mission.missiontype == "downloadfile" && file.name == mission.filename;
}

// Removes slot j of the hard drive and moves the files above it down one, so
// the drive stays packed and the top slot ends empty.
void removeFromDrive(Tplayer& player, int j) {
  for (int k = j; k < kHarddriveSlots; ++k) player.harddrive[k] = player.harddrive[k + 1];
  player.harddrive[kHarddriveSlots] = Afile{};
}

}  // namespace

void listserverfiles(Game& game) {
  if (!onServer(game.world.player)) return;
  const server& s = game.world.servers[game.world.player.currentserver];
  type(game, s.name + "/ROOT/");
  addLine(game, "");
  // Every slot is looked at, not only the first filecount.
  for (const Afile& file : s.files) {
    if (!file.name.empty()) addLine(game, file.name);
  }
}

void harddrive(Game& game) {
  type(game, "Contents of ROOT/");
  for (const Afile& file : game.world.player.harddrive) {
    if (!file.name.empty()) addLine(game, file.name + "  :  " + file.filetype);
  }
}

void download(Game& game, const std::string& name) {
  if (!onServer(game.world.player)) return;
  const server& s = game.world.servers[game.world.player.currentserver];
  Tplayer& player = game.world.player;
  // Every file of that name is copied while the drive has room.
  for (const Afile& file : s.files) {
    if (!hasRoom(player.filecount, kHarddriveSlots) || !holdsNamed(file, name)) continue;
    type(game, "Downloading file " + name + ".....");
    player.harddrive[player.filecount + 1] = file;
    ++player.filecount;
    type(game, "Download of file " + name + " complete.");
    if (isMissionTarget(game.world.mission, file)) addLine(game, "you won the mission!");
  }
}

void uploadfile(Game& game, const std::string& name) {
  if (!onServer(game.world.player)) return;
  server& s = game.world.servers[game.world.player.currentserver];
  for (const Afile& file : game.world.player.harddrive) {
    if (!holdsNamed(file, name) || !hasRoom(s.filecount, kServerFileSlots)) continue;
    type(game, "Uploading file: " + name + "............");
    s.files[s.filecount + 1] = file;
    game.ports().pace.sleep(commands::kUploadPauseMs);
    type(game, "Upload complete");
    ++s.filecount;
    // The type word counts, not the name: a deleter starts its work.
    if (file.filetype == "deleter")
      setServerStatus(game, game.world.player.currentserver, "Deleting");
  }
}

void deleteharddrive(Game& game, const std::string& name) {
  Tplayer& player = game.world.player;
  // Every file of that name goes. After a removal the same slot number is
  // looked at again, since the next file has just moved down into it.
  int j = 1;
  while (j <= kHarddriveSlots) {
    if (!holdsNamed(player.harddrive[j], name)) {
      ++j;
      continue;
    }
    removeFromDrive(player, j);
    type(game, "file: " + name + "deleted from harddrive...");
    --player.filecount;
  }
}

}  // namespace qv
