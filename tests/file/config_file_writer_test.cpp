#include <gtest/gtest.h>

#include "config/defaults.h"
#include "file/config_file.h"
#include "file/file_text_rules.h"
#include "support/row_name.h"
#include "tests/file/file_test_support.h"

namespace tqr417 {
namespace {

std::string Written(const UnitConfig& config) {
  std::string text;
  EXPECT_TRUE(FormatConfigFile(config, text).ok());
  return text;
}

TEST(ConfigFileWriterTest, StartupConfigurationGivesTheWorkedExample) {
  const std::string expected = file_test::JoinLines(file_test::StartupFileLines());
  ASSERT_EQ(expected.size(), 2133u);
  EXPECT_EQ(Written(StartupConfig()), expected);
}

TEST(ConfigFileWriterTest, EveryFieldStandsInItsPlace) {
  EXPECT_EQ(Written(file_test::DistinctConfig()),
            file_test::JoinLines(file_test::DistinctFileLines()));
}

TEST(ConfigFileWriterTest, PttFrequencyIsCarriedAsTheNumberOfItsText) {
  UnitConfig config = file_test::DistinctConfig();
  config.main.pttFrequency = " 0043x";
  EXPECT_EQ(Written(config), file_test::JoinLines(file_test::DistinctFileLines()));
  config.main.pttFrequency.clear();
  ASSERT_TRUE(ParseConfigFile(Written(config), config).ok());
  EXPECT_EQ(config.main.pttFrequency, "0");
}

struct LabelCase {
  const char* description;
  const char* label;
};

class WhiteSpaceLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(WhiteSpaceLabelTest, RefusesAndWritesNothing) {
  UnitConfig config = StartupConfig();
  config.functionTable.relay[5] = GetParam().label;
  std::string text = "untouched";
  const Status status = FormatConfigFile(config, text);
  EXPECT_EQ(status.code(), StatusCode::kRefused);
  EXPECT_NE(status.message().find("F05"), std::string::npos) << status.message();
  EXPECT_EQ(text, "untouched");
}

INSTANTIATE_TEST_SUITE_P(Cases, WhiteSpaceLabelTest,
                         testing::Values(LabelCase{"blank", "R 01"}, LabelCase{"tab", "R\t01"},
                                         LabelCase{"trailing CR", "R01\r"},
                                         LabelCase{"leading LF", "\nR01"},
                                         LabelCase{"vertical tab", "R\v1"},
                                         LabelCase{"form feed", "R\f1"},
                                         LabelCase{"blank alone", " "}),
                         tqr417::test_support::RowName{});

// The Morse text is the rest of its line on reading: a line break would cut it there, so the
// writer refuses it; blanks and other bytes are written as they stand.
TEST(MorseLineTest, LineBreakIsRefusedOtherTextIsWrittenAsItStands) {
  UnitConfig config = StartupConfig();
  std::string text = "untouched";
  for (const char* morse : {"CQ\nDE", "CQ\r", "\n"}) {
    config.dialog.morseText = morse;
    const Status status = FormatConfigFile(config, text);
    EXPECT_EQ(status.code(), StatusCode::kRefused) << morse;
    EXPECT_NE(status.message().find("Morse Code String"), std::string::npos);
    EXPECT_EQ(text, "untouched");
  }
  config.dialog.morseText = "CQ\tDE \x01\xE9";
  ASSERT_TRUE(FormatConfigFile(config, text).ok());
  UnitConfig back = StartupConfig();
  ASSERT_TRUE(ParseConfigFile(text, back).ok());
  EXPECT_EQ(back.dialog.morseText, config.dialog.morseText);
}

// The file rule's answer against what the writer and the reader really do with each text:
// a text that spoils the file is refused with the rule's words, any other is written and
// comes back as it stands exactly when the rule finds nothing to say.
struct HeldTextCase {
  const char* description;
  const char* field;
  std::string text;
};

class FileTextRuleTest : public testing::TestWithParam<HeldTextCase> {};

TEST_P(FileTextRuleTest, SaysWhatTheWriterAndReaderDo) {
  const FieldInfo& field = *FindField(GetParam().field);
  const FileTextCheck check = WhyFileCannotHold(field, GetParam().text);
  UnitConfig config = StartupConfig();
  field.ref.Text(config, 5) = GetParam().text;
  std::string text;
  const Status written = FormatConfigFile(config, text);
  ASSERT_EQ(!written.ok(), !check.spoils.empty()) << written.message();
  if (!written.ok()) {
    EXPECT_NE(written.message().find(check.spoils), std::string::npos) << written.message();
    return;
  }
  UnitConfig back = StartupConfig();
  ASSERT_TRUE(ParseConfigFile(text, back).ok());
  EXPECT_EQ(field.ref.Text(back, 5) == GetParam().text, check.why.empty()) << check.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileTextRuleTest,
    testing::Values(HeldTextCase{"relay label", "relay", "R01"},
                    HeldTextCase{"no relay", "relay", ""},
                    HeldTextCase{"relay with a blank", "relay", "R 01"},
                    HeldTextCase{"relay word for none", "relay", "none"},
                    HeldTextCase{"morse text", "morseText", "CQ DE"},
                    HeldTextCase{"morse with a line break", "morseText", "CQ\nDE"},
                    HeldTextCase{"morse with a leading blank", "morseText", " CQ"},
                    HeldTextCase{"morse of fifty", "morseText", std::string(50, 'E')},
                    HeldTextCase{"morse of fifty one", "morseText", std::string(51, 'E')},
                    HeldTextCase{"long morse with a break", "morseText",
                                 std::string(51, 'E') + "\r"},
                    HeldTextCase{"frequency", "pttFrequency", "2175"},
                    HeldTextCase{"frequency with a zero", "pttFrequency", "02175"},
                    HeldTextCase{"no frequency", "pttFrequency", ""}),
    tqr417::test_support::RowName{});

}  // namespace
}  // namespace tqr417
