#include "world/game.h"

namespace qv {

Game::Game(Ports ports) : ports_(ports) {}

void Game::reseed() { random.reseed(ports_.pace.timeOfDayMs()); }

const std::string& Game::drawRow(const std::vector<std::string>& table) {
  const auto n = static_cast<std::int32_t>(table.size());
  return table[static_cast<std::size_t>(random(n))];
}

std::string Game::drawAddress() {
  std::string address;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) address += '.';
    address += std::to_string(random(256));
  }
  return address;
}

}  // namespace qv
