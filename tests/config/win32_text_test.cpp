// Windows arguments as UTF-8: every name a wide command line can carry reaches the file
// functions as UTF-8 that turns back into the same wide name.
#include "config/win32_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/row_name.h"

namespace tqr417 {
namespace {

struct ArgumentsCase {
  const char* description;
  std::vector<std::wstring> wide;
  std::vector<std::string> utf8;
};

class Utf8FromWideArgumentsTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(Utf8FromWideArgumentsTest, KeepsEveryArgumentAndComesBackWhole) {
  std::vector<const wchar_t*> pointers;
  for (const std::wstring& argument : GetParam().wide) pointers.push_back(argument.c_str());
  const std::vector<std::string> utf8 =
      Utf8FromWideArguments(static_cast<int>(pointers.size()), pointers.data());
  ASSERT_EQ(utf8, GetParam().utf8);
  for (size_t i = 0; i < utf8.size(); ++i) {
    EXPECT_EQ(WideFromUtf8(utf8[i]), GetParam().wide[i]) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8FromWideArgumentsTest,
    testing::Values(
        ArgumentsCase{"ascii stays as it is",
                      {L"tqr417-cli.exe", L"show", L"C:\\Users\\x\\site.417"},
                      {"tqr417-cli.exe", "show", "C:\\Users\\x\\site.417"}},
        ArgumentsCase{"accents blanks and Greek",
                      {L"C:\\B\u00FCro \u03A9\\\u00E9 site.417"},
                      {"C:\\B\xC3\xBCro \xCE\xA9\\\xC3\xA9 site.417"}},
        ArgumentsCase{
            "three bytes a character", {L"\u65E5\u672C.417"}, {"\xE6\x97\xA5\xE6\x9C\xAC.417"}},
        // UTF-16 carries this one as a surrogate pair; UTF-8 as one four-byte sequence.
        ArgumentsCase{"beyond the basic plane", {L"\U0001F4BE.417"}, {"\xF0\x9F\x92\xBE.417"}},
        ArgumentsCase{"empty arguments keep their places",
                      {L"set", L"", L"morseText="},
                      {"set", "", "morseText="}},
        ArgumentsCase{"none", {}, {}}),
    test_support::RowName{});

}  // namespace
}  // namespace tqr417
