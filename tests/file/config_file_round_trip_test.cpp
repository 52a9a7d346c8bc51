#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "config/defaults.h"
#include "config/field_catalogue.h"
#include "config/text_number.h"
#include "file/config_file.h"

namespace tqr417 {
namespace {

// A configuration that a file can carry whole: any numbers, relay labels that are single words
// other than "none", a Morse text of at most 50 characters without line ends that does not
// begin with white space, and a PTT frequency that is the decimal text of a number.
UnitConfig RandomConfig(std::mt19937& random) {
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  auto number = [&] { return pick(0, 1) ? pick(-100, 70000) : pick(INT_MIN, INT_MAX); };
  auto text = [&](int length, std::string_view excluded) {
    std::string result;
    while (static_cast<int>(result.size()) < length) {
      const char c = static_cast<char>(pick(0, 255));
      if (excluded.find(c) == std::string_view::npos) result += c;
    }
    return result;
  };
  UnitConfig config = StartupConfig();
  for (const FieldInfo* field : AllFields()) {
    if (field->ref.IsText()) continue;
    for (int k = 0; k < (field->ref.IsTableField() ? kEntryCount : 1); ++k) {
      field->ref.Number(config, k) = number();
    }
  }
  for (std::string& label : config.functionTable.relay) {
    do label = text(pick(0, 12), " \t\r\n\v\f");
    while (label == "none");
  }
  config.dialog.morseText = text(1, " \t\r\n\v\f") + text(pick(0, 49), "\r\n");
  config.main.pttFrequency = DecimalText(number());
  return config;
}

TEST(ConfigFileRoundTripTest, RandomConfigurationsComeBackWholeAndRewriteTheSameBytes) {
  std::mt19937 random(417);
  for (int i = 0; i < 200; ++i) {
    const UnitConfig config = RandomConfig(random);
    UnitConfig read = RandomConfig(random);
    std::string text, rewritten;
    ASSERT_TRUE(FormatConfigFile(config, text).ok());
    ASSERT_TRUE(ParseConfigFile(text, read).ok());
    ASSERT_EQ(read, config) << "configuration " << i;
    ASSERT_TRUE(FormatConfigFile(read, rewritten).ok());
    ASSERT_EQ(rewritten, text) << "configuration " << i;
  }
}

}  // namespace
}  // namespace tqr417
