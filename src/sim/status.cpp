// The status window's text, rebuilt every second.

#include "sim/status.h"

#include <string>
#include <vector>

#include "world/game.h"

namespace qv {
namespace {

// 1 is stable, 0 compromised; any other value shows nothing.
void addFileHealth(std::vector<std::string>& lines, const std::string& label, std::int32_t stable) {
  if (stable == 1) lines.push_back(label + "... stable");
  if (stable == 0) lines.push_back(label + "... compramised");
}

}  // namespace

void InfoTimerTimer(Game& game) {
  std::vector<std::string> lines;
  const Tplayer& player = game.world.player;
  addFileHealth(lines, "Config.sys", player.configstable);
  addFileHealth(lines, "Commands.sys", player.commandsstable);
  if (player.currentserver >= 1 && player.currentserver <= kServerCount) {
    lines.push_back("Current server suspicion: " +
                    std::to_string(game.world.servers[player.currentserver].suspicion));
  }
  // Only what changed is rewritten: the player may be reading the window.
  game.ports().status.showLines(lines);
}

}  // namespace qv
