#include "config/text_number.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/row_name.h"

namespace tqr417 {
namespace {

struct AtoiCase {
  const char* description;
  const char* text;
  int expected;
};

class AtoiValueTest : public testing::TestWithParam<AtoiCase> {};

TEST_P(AtoiValueTest, ReadsLikeTheCLibrary) {
  EXPECT_EQ(AtoiValue(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtoiValueTest,
    testing::Values(AtoiCase{"plain", "2175", 2175}, AtoiCase{"empty", "", 0},
                    AtoiCase{"no digits", "abc", 0}, AtoiCase{"trailing letters", "3x", 3},
                    AtoiCase{"leading blanks and tab", " \t 42", 42},
                    AtoiCase{"negative", "-20", -20}, AtoiCase{"plus sign", "+7", 7},
                    AtoiCase{"sign alone", "-", 0}, AtoiCase{"blank after sign", "- 5", 0},
                    AtoiCase{"relay label with first character blanked", " 01", 1},
                    AtoiCase{"largest int", "2147483647", INT_MAX},
                    AtoiCase{"smallest int", "-2147483648", INT_MIN},
                    AtoiCase{"too large saturates", "99999999999999999999", INT_MAX},
                    AtoiCase{"too small saturates", "-99999999999999999999", INT_MIN}),
    tqr417::test_support::RowName{});

TEST(DecimalTextTest, WritesSignAndNoLeadingZeros) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(-40), "-40");
  EXPECT_EQ(DecimalText(2175), "2175");
  EXPECT_EQ(DecimalText(INT_MIN), "-2147483648");
}

}  // namespace
}  // namespace tqr417
