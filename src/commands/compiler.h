#pragma once

#include <cstdint>

namespace qv {

class Game;

void createdeleter(Game& game);
void createthief(Game& game);
void randomcode(Game& game, std::int32_t size);
void CodeTimerTimer(Game& game);                   // compiler window's timer
void compilerConsoleKeyDown(Game& game, int key);  // compiler window's ConsoleKeyDown
void CompileProgram(Game& game);

}  // namespace qv
