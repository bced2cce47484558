#pragma once

#include <string>

namespace qv {

class Game;

void IdIp(Game& game, const std::string& address);
void WhoIs(Game& game);
void who(Game& game, const std::string& nickname);

}  // namespace qv
