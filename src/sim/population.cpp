#include "world/game.h"

namespace qv {

void Game::JumpTimerTimer() {}
void Game::JumpUser(int, int) {}

}  // namespace qv
