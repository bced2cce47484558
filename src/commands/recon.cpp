#include "world/game.h"

namespace qv {

void Game::IdIp(const std::string&) {}
void Game::WhoIs() {}
void Game::who(const std::string&) {}

}  // namespace qv
