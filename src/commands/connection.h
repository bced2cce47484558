#pragma once

#include <cstdint>

namespace qv {

class Game;

void DialServer(Game& game, std::int32_t number);
void LogOff(Game& game);
void servername(Game& game);

}  // namespace qv
