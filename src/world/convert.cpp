#include "world/convert.h"

#include <cctype>

#include "world/game_error.h"

namespace qv {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Strips a hexadecimal prefix; returns true when one was there.
bool takeHexPrefix(std::string_view& digits) {
  if (digits.starts_with("0x") || digits.starts_with("0X")) {
    digits.remove_prefix(2);
    return true;
  }
  if (!digits.empty() && (digits[0] == '$' || digits[0] == 'x' || digits[0] == 'X')) {
    digits.remove_prefix(1);
    return true;
  }
  return false;
}

std::optional<std::uint32_t> parseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int v = hexValue(c);
    if (v < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(v);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::optional<std::int64_t> parseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<std::int32_t> parseInteger(std::string_view token) {
  bool negative = false;
  if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
    negative = token[0] == '-';
    token.remove_prefix(1);
  }
  if (takeHexPrefix(token)) {
    const auto bits = parseHex(token);
    if (!bits) return std::nullopt;
    const std::uint32_t value = negative ? 0u - *bits : *bits;
    return static_cast<std::int32_t>(value);
  }
  const auto value = parseDecimal(token, negative);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::int32_t StrToInt(const std::string& text) {
  std::string_view rest(text);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  if (const auto value = parseInteger(rest)) return *value;
  throw GameError("'" + text + "' is not a valid integer value");
}

}  // namespace qv
