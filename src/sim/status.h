#pragma once

namespace qv {

class Game;

void InfoTimerTimer(Game& game);  // the status window's timer

}  // namespace qv
