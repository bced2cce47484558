#pragma once

namespace qv {

class Game;

// Builds the 30 servers, their users and files, and places the mission's
// target among them.
void GenerateGame(Game& game);

}  // namespace qv
