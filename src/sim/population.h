#pragma once

namespace qv {

class Game;

void JumpTimerTimer(Game& game);  // every 999 ms
void JumpUser(Game& game, int serverIndex, int slot);

}  // namespace qv
