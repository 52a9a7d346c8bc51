#include "config/entry_label.h"

#include <gtest/gtest.h>

#include <optional>

#include "config/unit_config.h"

namespace tqr417 {
namespace {

struct LabelCase {
  int number;
  char letter;
  const char* label;
};

TEST(FormatEntryLabelTest, DigitsFromDivisionAndRemainder) {
  const LabelCase cases[] = {{0, 'F', "F00"},  {7, 'F', "F07"},  {99, 'F', "F99"},
                             {1, 'R', "R01"},  {12, 'R', "R12"}, {100, 'R', "R:0"},
                             {-1, 'R', "R0/"}, {255, 'R', "RI5"}};
  for (const LabelCase& c : cases)
    EXPECT_EQ(FormatEntryLabel(c.number, c.letter), c.label) << c.number;
}

struct ParseCase {
  const char* text;
  std::optional<int> entry;
};

TEST(ParseEntryLabelTest, TakesWhatAPersonTypesForAnEntry) {
  const ParseCase cases[] = {{"F00", 0},
                             {"f07", 7},
                             {"F99", 99},
                             {"F7", std::nullopt},
                             {"F100", std::nullopt},
                             {"R01", std::nullopt},
                             {"F0a", std::nullopt},
                             {" F01", std::nullopt},
                             {"", std::nullopt}};
  for (const ParseCase& c : cases) EXPECT_EQ(ParseEntryLabel(c.text), c.entry) << c.text;
}

TEST(ParseEntryLabelTest, ReadsBackEveryLabelTheTableShows) {
  for (int entry = 0; entry < kEntryCount; ++entry) {
    EXPECT_EQ(ParseEntryLabel(FormatEntryLabel(entry, 'F')), entry);
  }
}

}  // namespace
}  // namespace tqr417
