#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Reads the items of a mission file one after another from its bytes.
//
//   Vault job\r\n        text item "Vault job"
//   a\nb\r\n             text item "a\nb" (a lone LF is part of the text)
//   \r\n\r\n  45 word\r\n  integer item 45: blank lines and blanks skipped,
//                        the rest of the token's line ignored
//
// A byte 0x1A ends the file wherever it stands. Past the end, a text item is
// empty and an integer item is 0.
class MissionItemReader {
 public:
  explicit MissionItemReader(std::string_view bytes);

  std::string readText();
  // Throws GameError("Invalid numeric input") for a token that is not a
  // 32-bit integer.
  std::int32_t readInteger();

 private:
  std::string_view rest_;
};

}  // namespace qv
