#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Reads one integer token: an optional "+" or "-", then decimal digits that
// fit in 32 signed bits, or hexadecimal digits (either case) after "$", "x",
// "X", "0x" or "0X" that fit in 32 bits (read as a 32-bit two's-complement
// pattern, so "$FFFFFFFF" is -1). Nothing else may stand in the token.
std::optional<std::int32_t> parseInteger(std::string_view token);

// The player's text-to-integer conversion ("//dial", ":antivirus"): leading
// blanks are skipped, then the whole rest must be one integer token.
// Throws GameError "'<text>' is not a valid integer value" otherwise.
std::int32_t StrToInt(const std::string& text);

}  // namespace qv
