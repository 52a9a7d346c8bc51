#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "config/defaults.h"
#include "file/config_file.h"
#include "support/row_name.h"
#include "tests/file/file_test_support.h"

namespace tqr417 {
namespace {

using Lines = std::vector<std::string>;
using file_test::DistinctConfig;
using file_test::DistinctFileLines;
using file_test::JoinLines;

// Lines 1 to 207 with `blank` for each blank and `between` after each line, then
// `beforeMorse` and the Morse line.
std::string Rejoin(const Lines& lines, const std::string& blank, const std::string& between,
                   const std::string& beforeMorse) {
  std::string text;
  for (size_t i = 0; i < 207; ++i) {
    if (i > 0) text += between;
    for (char c : lines[i]) text += c == ' ' ? blank : std::string(1, c);
  }
  return text + beforeMorse + lines[207] + "\r\n";
}

struct LayoutCase {
  const char* description;
  std::string (*make)(const Lines& lines);
};

class OtherLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(OtherLayoutTest, ReadsTheSameAsTheWrittenFile) {
  UnitConfig config = StartupConfig();
  ASSERT_TRUE(ParseConfigFile(GetParam().make(DistinctFileLines()), config).ok());
  EXPECT_EQ(config, DistinctConfig());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OtherLayoutTest,
    testing::Values(LayoutCase{"LF line ends", [](const Lines& l) { return JoinLines(l, "\n"); }},
                    LayoutCase{"CR line ends", [](const Lines& l) { return JoinLines(l, "\r"); }},
                    LayoutCase{"tabs and other runs of blanks",
                               [](const Lines& l) { return Rejoin(l, " \t ", "\r\n", "\r\n"); }},
                    LayoutCase{"every value on a line of its own",
                               [](const Lines& l) { return Rejoin(l, "\n", "\n", "\n"); }},
                    LayoutCase{"all numbers on one line",
                               [](const Lines& l) { return Rejoin(l, " ", " ", "\r\n"); }},
                    LayoutCase{
                        "empty lines and leading blanks",
                        [](const Lines& l) { return Rejoin(l, " ", "\r\n\r\n \t", "\r\n\n  "); }},
                    LayoutCase{"no line end after the Morse text",
                               [](const Lines& l) {
                                 std::string text = JoinLines(l);
                                 return text.substr(0, text.size() - 2);
                               }}),
    tqr417::test_support::RowName{});

struct WordCase {
  const char* description;
  int line;   // file line, from 1
  int value;  // index of the value in that line
  const char* word;
  const char* expected;  // in the message
};

class RefusedWordTest : public testing::TestWithParam<WordCase> {};

TEST_P(RefusedWordTest, NamesTheLineAndLeavesTheConfigurationAlone) {
  Lines lines = DistinctFileLines();
  std::istringstream words(lines[GetParam().line - 1]);
  Lines values{std::istream_iterator<std::string>(words), {}};
  values.at(GetParam().value) = GetParam().word;
  lines[GetParam().line - 1] = JoinLines(values, " ");
  UnitConfig config = StartupConfig();
  config.functionTable.relay[99] = "R01";
  const UnitConfig before = config;
  const Status status = ParseConfigFile(JoinLines(lines), config);
  EXPECT_EQ(status.code(), StatusCode::kInvalidInput);
  for (std::string part :
       {"line " + std::to_string(GetParam().line), std::string(GetParam().expected)}) {
    EXPECT_NE(status.message().find(part), std::string::npos) << status.message();
  }
  EXPECT_EQ(config, before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedWordTest,
    testing::Values(WordCase{"letters after digits", 1, 4, "600x0", "(monMomentaryMs)"},
                    WordCase{"beyond int", 2, 0, "2147483648", "(sidetoneGain)"},
                    WordCase{"below int", 206, 3, "-2147483649", "(callTimeoutMin)"},
                    WordCase{"lone sign", 14, 1, "-", "Relay Group (relayGroup) of F05"},
                    WordCase{"relay word in place of a number", 202, 5, "none", "of F99"},
                    WordCase{"unit after the number", 207, 8, "2175Hz", "(pttFrequency)"},
                    WordCase{"control byte shown escaped", 203, 2, "\x01", "\"\\x01\""}),
    tqr417::test_support::RowName{});

TEST(RefusedWordLineTest, CountsTheLinesOfTheFileAsItStands) {
  UnitConfig config = StartupConfig();
  const std::string text = "1\n2\r\n3\r4\n\n5\n6\n7\n8\n9\nten\n";
  EXPECT_NE(ParseConfigFile(text, config).message().find("line 11 "), std::string::npos);
}

struct TailCase {
  const char* description;
  std::string afterLastNumber;  // what follows the pttFrequency of line 207
  std::string morseText;
};

class MorseLineTest : public testing::TestWithParam<TailCase> {};

TEST_P(MorseLineTest, TakesTheRestOfTheLineAtTheReadingPosition) {
  Lines lines = DistinctFileLines();
  lines.pop_back();
  UnitConfig config = DistinctConfig();
  const std::string text = JoinLines(lines).substr(0, JoinLines(lines).size() - 2);
  ASSERT_TRUE(ParseConfigFile(text + GetParam().afterLastNumber, config).ok());
  EXPECT_EQ(config.dialog.morseText, GetParam().morseText);
}

const std::string k50 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ABCDEFGHIJKL/";
INSTANTIATE_TEST_SUITE_P(
    Cases, MorseLineTest,
    testing::Values(TailCase{"fifty characters", "\r\n" + k50 + "\r\n", k50},
                    TailCase{"longer line", "\r\n" + k50 + k50 + "\r\n", k50},
                    TailCase{"lower case", "\r\ncq de tqr\r\nnext\r\n", "cq de tqr"},
                    TailCase{"empty lines and leading blanks", "\r\n\r\n\n \t CQ \r\n", "CQ "},
                    TailCase{"same line as the number", " CQ\r\n", "CQ"},
                    TailCase{"end of file after the number", "", ""},
                    TailCase{"bytes kept, CR alone ends", std::string("\nA\0\x7f\xff\rB", 7),
                             std::string("A\0\x7f\xff", 4)}),
    tqr417::test_support::RowName{});

TEST(RelayWordTest, OnlyNoneExactlyGivesAnEmptyLabel) {
  Lines lines = DistinctFileLines();
  const std::string longWord(300, 'R');
  lines[2] = "None", lines[4] = longWord, lines[6] = "none";
  UnitConfig config = DistinctConfig();
  config.functionTable.relay.fill("R01");
  ASSERT_TRUE(ParseConfigFile(JoinLines(lines), config).ok());
  EXPECT_EQ(config.functionTable.relay[0], "None");
  EXPECT_EQ(config.functionTable.relay[1], longWord);
  EXPECT_EQ(config.functionTable.relay[2], "");
  EXPECT_EQ(config.functionTable.relayGroup[1], 1);
}

// A file that ends early: the numbers it does not hold keep their values, the relay labels and
// the Morse text it does not hold become empty.
class EarlyEndTest : public testing::Test {
 protected:
  UnitConfig ReadFirstLines(size_t count) {
    Lines lines = file_test::StartupFileLines();
    for (int k = 0; k < 100; ++k) lines[2 + 2 * k] = "L" + std::to_string(k);
    lines.resize(count);
    UnitConfig config = before_;
    EXPECT_TRUE(ParseConfigFile(JoinLines(lines), config).ok());
    return config;
  }

  UnitConfig before_ = [] {
    UnitConfig config = DistinctConfig();
    config.functionTable.relay.fill("R01");
    config.functionTable.digitalOutput.fill(63);
    return config;
  }();
};

TEST_F(EarlyEndTest, EmptyFileEmptiesOnlyTheTexts) {
  UnitConfig expected = before_;
  expected.functionTable.relay.fill("");
  expected.dialog.morseText.clear();
  EXPECT_EQ(ReadFirstLines(0), expected);
}

TEST_F(EarlyEndTest, EndAfterARelayWord) {
  const UnitConfig config = ReadFirstLines(103);  // up to the relay word of entry 50
  EXPECT_EQ(config.main.toneMode, 0);
  EXPECT_EQ(config.functionTable.relay[50], "L50");
  EXPECT_EQ(config.functionTable.relay[51], "");
  EXPECT_EQ(config.functionTable.digitalOutput[49], 49);
  EXPECT_EQ(config.functionTable.digitalOutput[50], before_.functionTable.digitalOutput[50]);
  EXPECT_EQ(config.dialog.dig5ToneLevel, before_.dialog.dig5ToneLevel);
  EXPECT_EQ(config.dialog.morseText, "");
}

TEST_F(EarlyEndTest, EndBeforeTheMorseLine) {
  const UnitConfig config = ReadFirstLines(207);
  EXPECT_EQ(config.main.pttFrequency, "2175");
  EXPECT_EQ(config.dialog.callTimeoutMin, 600);
  EXPECT_EQ(config.dialog.morseText, "");
}

}  // namespace
}  // namespace tqr417
