#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/name_tables.h"
#include "world/ports.h"
#include "world/random.h"
#include "world/records.h"

namespace qv {

// The game's state: the world, the vocabulary, the generator and the window's
// own flags, with the ports to the outside. The routines that change it are
// free functions taking the game first, declared beside their code in each
// subsystem's folder, so a change to one subsystem's routines rebuilds that
// subsystem and its callers only:
//   world/     console output (console.h) and generation (generate.h)
//   sim/       the timers' tick work and the status window's text
//   commands/  the player's commands and program creation
//   missions/  the mission files and the window life cycle (a game starts
//              by reading its mission)
//   terminal/  the command interpreter and the game window
class Game {
 public:
  explicit Game(Ports ports);

  // The world and the window's own state, read and written directly.
  World world;
  NameTables tables = NameTables::initial();
  Random random;
  std::string outputline;
  bool activated = false;
  std::int32_t codeticks = 0;
  std::string programkind;
  bool starting = false;  // a start sequence is under way (FormActivate)

  // --- helpers every floor above draws with ----------------------------------
  void reseed();  // from the UTC time of day
  // Row Random(n) + 1 of a table of n rows.
  const std::string& drawRow(const std::vector<std::string>& table);
  // Four Random(256) numbers joined by dots.
  std::string drawAddress();

  Ports& ports() { return ports_; }

 private:
  Ports ports_;
};

}  // namespace qv
