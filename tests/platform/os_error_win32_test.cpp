// The system's sentence for a GetLastError code, as messages quote it after a colon or in
// brackets: the whole sentence without the full stop and line end FormatMessage ends it with,
// or the code's number when the system has no sentence.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/os_error.h"
#include "support/row_name.h"

namespace tqr417 {
namespace {

struct ErrorCase {
  const char* description;
  DWORD code;
};

class OsErrorTextTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(OsErrorTextTest, IsOneSentenceWithoutItsEnd) {
  const std::string text = OsErrorText(static_cast<int>(GetParam().code));
  ASSERT_GT(text.size(), 8u) << text;
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
  EXPECT_NE(text.back(), '.') << text;
  EXPECT_NE(text.back(), ' ') << text;
  EXPECT_NE(text.rfind("error ", 0), 0u) << "the system's own words: " << text;
}

INSTANTIATE_TEST_SUITE_P(Cases, OsErrorTextTest,
                         testing::Values(ErrorCase{"file not found", ERROR_FILE_NOT_FOUND},
                                         ErrorCase{"access denied", ERROR_ACCESS_DENIED},
                                         ErrorCase{"sharing violation", ERROR_SHARING_VIOLATION}),
                         test_support::RowName{});

TEST(OsErrorTextTest, CodeWithoutSentenceIsNamedByItsNumber) {
  EXPECT_EQ(OsErrorText(0x2000FFFF), "error 536936447");
}

}  // namespace
}  // namespace tqr417
