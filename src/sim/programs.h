#pragma once

#include <string_view>

namespace qv {

class Game;

void attacktimerTimer(Game& game);  // every 1000 ms
// Every change of a server's status goes through here, so a server-status
// mission is won the moment its target reaches the goal.
void setServerStatus(Game& game, int serverIndex, std::string_view status);
void deletervirus(Game& game, int serverIndex);
void deleteserverfile(Game& game, int serverIndex, int slot);
void thiefvirus(Game& game, int serverIndex);
void hydravirus(Game& game, int serverIndex, int slot);
void serverantivirus(Game& game, int serverIndex);
void spyreport(Game& game);

}  // namespace qv
