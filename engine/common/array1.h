// Fixed-size arrays indexed from 1, as the engine's tables are (UNIT_TABLE(4),
// INPUT_STATUS(10)).
#pragma once

#include <array>
#include <cassert>

namespace zav {

template <class T, int N>
struct Array1 {
  std::array<T, N> a{};

  T& operator()(int i) {
    assert(i >= 1 && i <= N);
    return a[static_cast<std::size_t>(i - 1)];
  }
  const T& operator()(int i) const {
    assert(i >= 1 && i <= N);
    return a[static_cast<std::size_t>(i - 1)];
  }
  static constexpr int size() { return N; }
  auto begin() { return a.begin(); }
  auto end() { return a.end(); }
  auto begin() const { return a.begin(); }
  auto end() const { return a.end(); }
};

}  // namespace zav
