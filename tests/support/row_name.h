#pragma once
// Names the rows of parameterised tests: the row's description (or name) with its letters and
// digits only, or "Row" and its index for rows that carry neither.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace tqr417::test_support {

struct RowName {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& info) const {
    if constexpr (requires { info.param.description; }) {
      return Alphanumeric(info.param.description);
    } else if constexpr (requires { info.param.name; }) {
      return Alphanumeric(info.param.name);
    } else {
      return "Row" + std::to_string(info.index);
    }
  }

 private:
  static std::string Alphanumeric(std::string_view text) {
    std::string name;
    for (char c : text) {
      if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    }
    return name;
  }
};

}  // namespace tqr417::test_support
