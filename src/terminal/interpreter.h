#pragma once

#include <string>
#include <vector>

namespace qv {

class Game;

// Key-down of the console and the input area; inputLines is Memo1's text.
void consoleKeyDown(Game& game, int key, const std::vector<std::string>& inputLines);
// One typed line to one command.
void Interperetinput(Game& game, const std::string& line);

}  // namespace qv
