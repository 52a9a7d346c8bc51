#include "config/text_number.h"

#include <gtest/gtest.h>

#include <climits>

#include "config/latin1_text.h"
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

// The configuration's 8-bit texts and their UTF-8 form, written out byte by byte.
struct Latin1Case {
  const char* description;
  std::string latin1;
  std::string utf8;
};

class Latin1TextTest : public testing::TestWithParam<Latin1Case> {};

TEST_P(Latin1TextTest, ConvertsBothWays) {
  EXPECT_EQ(Latin1ToUtf8(GetParam().latin1), GetParam().utf8);
  uint32_t beyond = 1;
  EXPECT_EQ(Utf8ToLatin1(GetParam().utf8, beyond), GetParam().latin1);
  EXPECT_EQ(beyond, 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, Latin1TextTest,
                         testing::Values(Latin1Case{"empty", "", ""},
                                         Latin1Case{"ascii", "CQ DE", "CQ DE"},
                                         Latin1Case{"nul and delete", std::string("\0\x7F", 2),
                                                    std::string("\0\x7F", 2)},
                                         Latin1Case{"first two-byte", "\x80", "\xC2\x80"},
                                         Latin1Case{"e acute", "R\xE9", "R\xC3\xA9"},
                                         Latin1Case{"y diaeresis", "\xFF", "\xC3\xBF"}),
                         tqr417::test_support::RowName{});

struct BeyondCase {
  const char* description;
  const char* utf8;
  uint32_t beyond;
};

TEST(Latin1TextTest, NamesTheFirstCharacterPastOneByte) {
  const BeyondCase cases[] = {{"euro sign", "CQ \xE2\x82\xAC", 0x20AC},
                              {"first past", "\xC4\x80", 0x100},
                              {"emoji then euro", "\xF0\x9F\x98\x80\xE2\x82\xAC", 0x1F600}};
  for (const BeyondCase& c : cases) {
    uint32_t beyond = 0;
    EXPECT_EQ(Utf8ToLatin1(c.utf8, beyond), "") << c.description;
    EXPECT_EQ(beyond, c.beyond) << c.description;
  }
}

}  // namespace
}  // namespace tqr417
