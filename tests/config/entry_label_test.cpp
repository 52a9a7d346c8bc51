#include "config/entry_label.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tqr417
