#include "world/game.h"

namespace qv {

void Game::Interperetinput(const std::string&) {}

}  // namespace qv
