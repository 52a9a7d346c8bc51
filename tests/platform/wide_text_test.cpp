// Text between the core's UTF-8, the windows' Latin-1 and Windows' UTF-16: every name a wide
// command line can carry reaches the file functions as UTF-8 that turns back into the same wide
// name; a name that is not UTF-8 opens nothing, yet shows as far as it can be read; the windows'
// 8-bit text goes byte for byte.
#include "platform/wide_text.h"

#include <gtest/gtest.h>

#include <optional>
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
    EXPECT_EQ(ShownWideFromUtf8(utf8[i]), GetParam().wide[i]) << i;
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

// Bytes that are not UTF-8: a file name made of them opens nothing (no file of another name),
// while a message that quotes them shows each bad sequence as U+FFFD, never as the Latin-1
// characters of its bytes.
struct InvalidUtf8Case {
  const char* description;
  std::string bytes;
  std::wstring shown;
};

class InvalidUtf8Test : public testing::TestWithParam<InvalidUtf8Case> {};

TEST_P(InvalidUtf8Test, OpensNothingAndShowsReplacementCharacters) {
  EXPECT_EQ(WideFromUtf8(GetParam().bytes), std::nullopt);
  EXPECT_EQ(ShownWideFromUtf8(GetParam().bytes), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidUtf8Test,
    testing::Values(InvalidUtf8Case{"a Latin-1 accent", "caf\xE9.417", L"caf\uFFFD.417"},
                    InvalidUtf8Case{"a sequence cut short", "\xCE.417", L"\uFFFD.417"},
                    InvalidUtf8Case{"a lone continuation byte", "B\x80ro \xCE\xA9",
                                    L"B\uFFFDro \u03A9"}),
    test_support::RowName{});

// The windows' 8-bit text is Latin-1: each byte is the UTF-16 code unit of the same number,
// and back; a character Latin-1 cannot hold comes back as '?'.
struct Latin1Case {
  const char* description;
  std::string latin1;
  std::wstring wide;
  bool both = true;  // false: only the wide text turns into the Latin-1 one
};

class Latin1WideTest : public testing::TestWithParam<Latin1Case> {};

TEST_P(Latin1WideTest, GoesByteForByte) {
  EXPECT_EQ(Latin1FromWide(GetParam().wide), GetParam().latin1);
  if (GetParam().both) {
    EXPECT_EQ(WideFromLatin1(GetParam().latin1), GetParam().wide);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Latin1WideTest,
    testing::Values(Latin1Case{"ascii", "Morse 1", L"Morse 1"},
                    // UTF-8's two bytes for "é" are two Latin-1 characters here, not one.
                    Latin1Case{"bytes that would read as UTF-8", "\xC3\xA9", L"\u00C3\u00A9"},
                    Latin1Case{"every high byte", "\x80\xA0\xFF", L"\u0080\u00A0\u00FF"},
                    Latin1Case{"a zero byte", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
                    Latin1Case{"beyond Latin-1", "? ?", L"\u03A9 \u20AC", false}),
    test_support::RowName{});

}  // namespace
}  // namespace tqr417
