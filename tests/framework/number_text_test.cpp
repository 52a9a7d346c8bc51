#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>

#include "support/row_name.h"

namespace {

using tqr417::fw::ParseSignedField;
using tqr417::fw::ParseUnsignedField;

struct NumberCase {
  const char* description;
  const char* text;
  std::optional<long long> asSigned;
  std::optional<long long> asUnsigned;
};

class NumberFieldTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFieldTest, ReadsOnlyWholeNumbers) {
  const NumberCase& c = GetParam();
  const auto signedValue = ParseSignedField(c.text);
  ASSERT_EQ(signedValue.has_value(), c.asSigned.has_value()) << c.description;
  if (signedValue) {
    EXPECT_EQ(*signedValue, *c.asSigned) << c.description;
  }
  const auto unsignedValue = ParseUnsignedField(c.text);
  ASSERT_EQ(unsignedValue.has_value(), c.asUnsigned.has_value()) << c.description;
  if (unsignedValue) {
    EXPECT_EQ(*unsignedValue, *c.asUnsigned) << c.description;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberFieldTest,
    ::testing::Values(
        NumberCase{"plain number", "42", 42, 42},
        NumberCase{"blanks around a negative number", "  -5  ", -5, std::nullopt},
        NumberCase{"tab before, space after", "\t7 ", 7, 7}, NumberCase{"plus sign", "+12", 12, 12},
        NumberCase{"leading zeros", "007", 7, 7}, NumberCase{"minus zero", "-0", 0, std::nullopt},
        NumberCase{"empty field", "", std::nullopt, std::nullopt},
        NumberCase{"only blanks", "   ", std::nullopt, std::nullopt},
        NumberCase{"sign without digits", "-", std::nullopt, std::nullopt},
        NumberCase{"decimal fraction", "5.0", std::nullopt, std::nullopt},
        NumberCase{"trailing letters", "-5dB", std::nullopt, std::nullopt},
        NumberCase{"blank inside the number", "1 2", std::nullopt, std::nullopt},
        NumberCase{"blank between sign and digits", "- 5", std::nullopt, std::nullopt},
        NumberCase{"hexadecimal", "0x10", std::nullopt, std::nullopt},
        NumberCase{"largest int", "2147483647", 2147483647LL, 2147483647LL},
        NumberCase{"smallest int", "-2147483648", -2147483648LL, std::nullopt},
        NumberCase{"one past the largest int", "2147483648", std::nullopt, 2147483648LL},
        NumberCase{"one below the smallest int", "-2147483649", std::nullopt, std::nullopt},
        NumberCase{"largest unsigned", "4294967295", std::nullopt, 4294967295LL},
        NumberCase{"one past the largest unsigned", "4294967296", std::nullopt, std::nullopt},
        NumberCase{"far too many digits", "99999999999999999999999", std::nullopt, std::nullopt}),
    tqr417::test_support::RowName{});

}  // namespace
