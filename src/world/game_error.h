#pragma once

#include <stdexcept>
#include <string>

namespace qv {

// The one error a player can cause (a bad number, a mission file that cannot
// be read). It carries the exact message; the window shell shows it in an
// error box with a final full stop added, and the program goes on.
class GameError : public std::runtime_error {
 public:
  explicit GameError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace qv
