#include "missions/mission_items.h"

#include "world/convert.h"
#include "world/game_error.h"

namespace qv {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kEndOfFile = '\x1A';

std::string_view upToEndOfFileMark(std::string_view bytes) {
  const auto mark = bytes.find(kEndOfFile);
  return mark == std::string_view::npos ? bytes : bytes.substr(0, mark);
}

// Blanks, tabs, line ends and every other control byte.
bool isSpaceOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

MissionItemReader::MissionItemReader(std::string_view bytes) : rest_(upToEndOfFileMark(bytes)) {}

std::string MissionItemReader::readText() {
  const auto lineEnd = rest_.find(kCR);
  if (lineEnd == std::string_view::npos) {
    std::string text(rest_);
    rest_ = {};
    return text;
  }
  std::string text(rest_.substr(0, lineEnd));
  rest_.remove_prefix(lineEnd + 1);
  if (!rest_.empty() && rest_.front() == kLF) rest_.remove_prefix(1);
  return text;
}

std::int32_t MissionItemReader::readInteger() {
  while (!rest_.empty() && isSpaceOrControl(rest_.front())) rest_.remove_prefix(1);
  if (rest_.empty()) return 0;
  std::size_t tokenLength = 0;
  while (tokenLength < rest_.size() && !isSpaceOrControl(rest_[tokenLength])) ++tokenLength;
  const auto value = parseInteger(rest_.substr(0, tokenLength));
  if (!value) throw GameError("Invalid numeric input");
  rest_.remove_prefix(tokenLength);
  readText();  // whatever follows the number on its line is ignored
  return *value;
}

}  // namespace qv
