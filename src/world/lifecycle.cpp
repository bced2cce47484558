#include "world/game.h"

namespace qv {

void Game::FormCreate() {}
void Game::FormActivate() {}
void Game::FormClose() {}

}  // namespace qv
