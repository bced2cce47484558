#include "world/game.h"

namespace qv {

void Game::InfoTimerTimer() {}

}  // namespace qv
