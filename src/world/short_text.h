#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// A text with a fixed capacity: a longer value is cut to its first N
// characters when it is assigned (server names hold 30, addresses 15).
template <std::size_t N>
class ShortText {
 public:
  ShortText() = default;
  ShortText(std::string_view text) : text_(text.substr(0, N)) {}  // NOLINT: implicit on purpose
  ShortText(const std::string& text) : ShortText(std::string_view(text)) {}
  ShortText(const char* text) : ShortText(std::string_view(text)) {}

  ShortText& operator=(std::string_view text) {
    text_.assign(text.substr(0, N));
    return *this;
  }
  ShortText& operator=(const std::string& text) { return *this = std::string_view(text); }
  ShortText& operator=(const char* text) { return *this = std::string_view(text); }

  static constexpr std::size_t capacity() { return N; }
  const std::string& str() const { return text_; }
  operator const std::string&() const { return text_; }  // NOLINT: reads like a plain text
  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }
  void clear() { text_.clear(); }

  friend bool operator==(const ShortText& a, const ShortText& b) { return a.text_ == b.text_; }
  friend bool operator==(const ShortText& a, std::string_view b) { return a.text_ == b; }
  friend std::string operator+(const std::string& a, const ShortText& b) { return a + b.text_; }
  friend std::string operator+(const char* a, const ShortText& b) { return a + b.text_; }
  friend std::string operator+(const ShortText& a, const std::string& b) { return a.text_ + b; }
  friend std::string operator+(const ShortText& a, const char* b) { return a.text_ + b; }

 private:
  std::string text_;
};

}  // namespace qv
