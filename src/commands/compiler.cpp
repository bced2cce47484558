#include "world/game.h"

namespace qv {

void Game::createdeleter() {}
void Game::createthief() {}
void Game::randomcode(std::int32_t) {}
void Game::CodeTimerTimer() {}
void Game::compilerConsoleKeyDown(int) {}
void Game::CompileProgram() {}

}  // namespace qv
