#pragma once

namespace qv {

class Game;

void FormCreate(Game& game);
// The game's start: reads the chosen mission, then generates the world.
void FormActivate(Game& game);
void FormClose(Game& game);

}  // namespace qv
