#include <gtest/gtest.h>

#include "config/defaults.h"
#include "file/config_file.h"
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
  ASSERT_TRUE(ParseConfigFile(Written(config), "x.417", config).ok());
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
                         file_test::CaseName<LabelCase>);

}  // namespace
}  // namespace tqr417
