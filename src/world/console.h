#pragma once

#include <string>

namespace qv {

class Game;

// Every typed character of a console line waits this long before the next.
inline constexpr int kTypingStepMs = 30;

// The game console's output, used by every subsystem.
// Appends a line and types it, kTypingStepMs a character.
void typetext(Game& game, const std::string& text);
// Puts text into outputline and types it.
void type(Game& game, const std::string& text);
// An immediate console line.
void addLine(Game& game, const std::string& text);

}  // namespace qv
