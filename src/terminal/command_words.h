#pragma once

#include <string_view>
#include <vector>

namespace qv {

// The literals the game window's interpreter knows, in table order: for tools
// that play the game with generated input.
std::vector<std::string_view> interpreterLiterals();

}  // namespace qv
