#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace qv {

// A fixed array indexed from 1 to N, as every array of the world is: there is
// no slot 0, so loops read "for (int i = 1; i <= N; ++i)" like the game rules.
template <typename T, int N>
class OneBased {
 public:
  static constexpr int size() { return N; }

  T& operator[](int i) {
    assert(i >= 1 && i <= N);
    return items_[static_cast<std::size_t>(i - 1)];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= N);
    return items_[static_cast<std::size_t>(i - 1)];
  }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::array<T, static_cast<std::size_t>(N)> items_{};
};

}  // namespace qv
