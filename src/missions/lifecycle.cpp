#include "missions/lifecycle.h"

#include "missions/mission_file.h"
#include "world/console.h"
#include "world/cp1252.h"
#include "world/game.h"
#include "world/generate.h"

namespace qv {
namespace {

// A cancelled dialog or an empty name reads nothing: the mission keeps what
// it held. A file that cannot be read throws, ending the start.
void readChosenMission(Game& game) {
  const std::optional<std::string> path = game.ports().windows.askMissionFile();
  if (!path || path->empty()) return;
  const std::string bytes = loadMissionBytes(*path);
  readMissionInto(game.world.mission, bytes);
}

}  // namespace

void FormCreate(Game& game) {
  game.activated = false;
}

// The first activation starts the game; every later one does nothing. A
// mission file that fails to read leaves activated false, so the next
// activation starts over.
void FormActivate(Game& game) {
  // The mission dialog is modal: when it closes, the windowing system
  // activates the game window again, and that activation must not begin a
  // second start inside this one.
  if (game.activated || game.starting) return;
  game.starting = true;
  struct EndOfStart {
    bool& flag;
    ~EndOfStart() { flag = false; }
  } endOfStart{game.starting};
  game.ports().console.clear();
  game.world.player.currentserver = kNotConnected;
  game.ports().windows.repaintGameWindow();
  type(game, "WELCOME HACKER TO QUORVEXER 2002, BY ZORVATH!");
  type(game, "---------------------------------------------------");
  type(game, "");
  readChosenMission(game);
  GenerateGame(game);
  type(game, "--------------Loading Complete---------------------");
  type(game, cp1252::upperCase(game.world.mission.name));
  type(game, "- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -");
  typetext(game, game.world.mission.description);
  game.ports().timers.setEnabled(TimerId::JumpTimer, true);
  game.ports().timers.setEnabled(TimerId::Userfiletimer, true);
  game.activated = true;
}

// Hides the window and stops the simulation; the world, the console and
// activated stay, so reopening continues the same game without restarting.
void FormClose(Game& game) {
  game.ports().windows.hideGameWindow();
  game.ports().windows.showMainMenu();
  game.ports().timers.setEnabled(TimerId::JumpTimer, false);
  game.ports().timers.setEnabled(TimerId::ChatTimer, false);
  game.ports().timers.setEnabled(TimerId::Userfiletimer, false);
}

}  // namespace qv
