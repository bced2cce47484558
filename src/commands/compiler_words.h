#pragma once

#include <string_view>
#include <vector>

namespace qv {

// The keywords the compiler window knows, in table order: for tools that play
// the game with generated input.
std::vector<std::string_view> compilerKeywords();

}  // namespace qv
