#include "world/game.h"

namespace qv {

void Game::listserverfiles() {}
void Game::harddrive() {}
void Game::download(const std::string&) {}
void Game::uploadfile(const std::string&) {}
void Game::deleteharddrive(const std::string&) {}

}  // namespace qv
