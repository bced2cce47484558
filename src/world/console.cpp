#include "world/game.h"

namespace qv {
void Game::typetext(const std::string& text) {
  // Copy first: callers pass outputline, which a routine may change later.
  const std::string line = text;
  ports_.console.appendLine("");
  ports_.pace.startBeat();
  for (std::size_t i = 1; i <= line.size(); ++i) {
    ports_.console.replaceLastLine(line.substr(0, i));
    ports_.pace.sleep(kTypingStepMs);
  }
}

void Game::type(const std::string& text) {
  outputline = text;
  typetext(outputline);
}

void Game::addLine(const std::string& text) {
  ports_.console.appendLine(text);
}

void Game::consoleKeyDown(int key, const std::vector<std::string>& inputLines) {
  if (key != kReturnKey || inputLines.empty()) return;
  // One final empty line is skipped: Return on a fresh empty line repeats the
  // command above it.
  std::size_t last = inputLines.size() - 1;
  if (inputLines[last].empty() && last > 0) --last;
  Interperetinput(inputLines[last]);
}

}  // namespace qv
