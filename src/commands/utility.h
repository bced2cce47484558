#pragma once

namespace qv {

class Game;

void bankaccount(Game& game);
void logfile(Game& game);
void NotePad(Game& game);
void ToggleTimers(Game& game);

}  // namespace qv
