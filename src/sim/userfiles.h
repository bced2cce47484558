#pragma once

namespace qv {

class Game;

void UserfiletimerTimer(Game& game);  // every 1000 ms
void userupload(Game& game, int serverIndex, int slot);
void userdownload(Game& game, int serverIndex, int slot);
void userdelete(Game& game, int serverIndex, int slot);

}  // namespace qv
