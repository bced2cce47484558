#include "world/game.h"

namespace qv {

void Game::bankaccount() {}
void Game::logfile() {}
void Game::NotePad() {}
void Game::ToggleTimers() {}

}  // namespace qv
