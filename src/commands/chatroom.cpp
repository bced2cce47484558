#include "world/game.h"

namespace qv {

void Game::Chatroom() {}
void Game::ChatTimerTimer() {}

}  // namespace qv
