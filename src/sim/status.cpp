// The status window's text, rebuilt from scratch every second.

#include "sim/status.h"

#include <string>

#include "world/game.h"

namespace qv {
namespace {

// 1 is stable, 0 compromised; any other value shows nothing.
void addFileHealth(TextPane& pane, const std::string& label, std::int32_t stable) {
  if (stable == 1) pane.appendLine(label + "... stable");
  if (stable == 0) pane.appendLine(label + "... compramised");
}

}  // namespace

void InfoTimerTimer(Game& game) {
  TextPane& pane = game.ports().status;
  pane.clear();
  const Tplayer& player = game.world.player;
  addFileHealth(pane, "Config.sys", player.configstable);
  addFileHealth(pane, "Commands.sys", player.commandsstable);
  if (player.currentserver >= 1 && player.currentserver <= kServerCount) {
    pane.appendLine("Current server suspicion: " +
                    std::to_string(game.world.servers[player.currentserver].suspicion));
  }
}

}  // namespace qv
