#include "world/game.h"

namespace qv {

void Game::GenerateGame() {}

}  // namespace qv
