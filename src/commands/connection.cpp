#include "world/game.h"

namespace qv {

void Game::DialServer(std::int32_t) {}
void Game::LogOff() {}
void Game::servername() {}

}  // namespace qv
