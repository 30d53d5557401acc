// The name of a row of a table-driven test, for INSTANTIATE_TEST_SUITE_P: the
// row as it prints (its name, or the deck line or value it stands for), every
// run of other characters than letters and digits made one underscore and a
// leading minus sign spelled out, so "GRAVITY=9.8" runs as .../GRAVITY_9_8.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace zav::testing {

struct RowName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    const std::string printed = ::testing::PrintToString(info.param);
    std::string name;
    for (const char c : printed) {
      if (std::isalnum(static_cast<unsigned char>(c))) {
        name += c;
      } else if (name.empty() && c == '-') {
        name = "minus_";
      } else if (!name.empty() && name.back() != '_') {
        name += '_';
      }
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? "blank" : name;
  }
};

inline constexpr RowName row_name;

}  // namespace zav::testing
