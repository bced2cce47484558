#include "missions/mission_file.h"
#include "world/cp1252.h"
#include "world/game.h"

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

void Game::FormCreate() {
  activated = false;
}

// The first activation starts the game; every later one does nothing. A
// mission file that fails to read leaves activated false, so the next
// activation starts over.
void Game::FormActivate() {
  // The mission dialog is modal: when it closes, the windowing system
  // activates the game window again, and that activation must not begin a
  // second start inside this one.
  if (activated || starting_) return;
  starting_ = true;
  struct EndOfStart {
    bool& flag;
    ~EndOfStart() { flag = false; }
  } endOfStart{starting_};
  ports().console.clear();
  world.player.currentserver = kNotConnected;
  ports().windows.repaintGameWindow();
  type("WELCOME HACKER TO QUORVEXER 2002, BY ZORVATH!");
  type("---------------------------------------------------");
  type("");
  readChosenMission(*this);
  GenerateGame();
  type("--------------Loading Complete---------------------");
  type(cp1252::upperCase(world.mission.name));
  type("- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -");
  typetext(world.mission.description);
  ports().timers.setEnabled(TimerId::JumpTimer, true);
  ports().timers.setEnabled(TimerId::Userfiletimer, true);
  activated = true;
}

// Hides the window and stops the simulation; the world, the console and
// activated stay, so reopening continues the same game without restarting.
void Game::FormClose() {
  ports().windows.hideGameWindow();
  ports().windows.showMainMenu();
  ports().timers.setEnabled(TimerId::JumpTimer, false);
  ports().timers.setEnabled(TimerId::ChatTimer, false);
  ports().timers.setEnabled(TimerId::Userfiletimer, false);
}

}  // namespace qv
