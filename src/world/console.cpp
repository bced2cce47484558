#include "world/console.h"

#include "world/game.h"

namespace qv {

void typetext(Game& game, const std::string& text) {
  // Copy first: callers pass outputline, which a routine may change later.
  const std::string line = text;
  game.ports().console.appendLine("");
  game.ports().pace.startBeat();
  for (std::size_t i = 1; i <= line.size(); ++i) {
    game.ports().console.replaceLastLine(line.substr(0, i));
    game.ports().pace.sleep(kTypingStepMs);
  }
}

void type(Game& game, const std::string& text) {
  game.outputline = text;
  typetext(game, game.outputline);
}

void addLine(Game& game, const std::string& text) {
  game.ports().console.appendLine(text);
}

}  // namespace qv
