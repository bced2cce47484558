#include "world/game.h"

namespace qv {

void Game::UserfiletimerTimer() {}
void Game::userupload(int, int) {}
void Game::userdownload(int, int) {}
void Game::userdelete(int, int) {}

}  // namespace qv
