#include "world/game.h"

namespace qv {

void Game::attacktimerTimer() {}
void Game::deletervirus(int) {}
void Game::deleteserverfile(int, int) {}
void Game::thiefvirus(int) {}
void Game::hydravirus(int, int) {}
void Game::serverantivirus(int) {}
void Game::spyreport() {}

}  // namespace qv
