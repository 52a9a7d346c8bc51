// FunctionTable (config/unit_config.h): one entry gathered from the seven parallel arrays.
#include <gtest/gtest.h>

#include <stdexcept>

#include "config/defaults.h"
#include "config/unit_config.h"

namespace tqr417 {
namespace {

TEST(FunctionEntryTest, GathersOneEntryOfTheSevenArrays) {
  FunctionTable table;
  SetTableDefaults(table);
  table.toneActive[42] = 0;
  table.relay[42] = "R02";
  table.relayGroup[42] = 3;
  table.relayDurationMs[42] = 500;
  table.digitalOutput[42] = 17;
  table.ctcssCode[42] = 64;
  table.useDefaultCtcss[42] = 1;
  EXPECT_EQ(table.Entry(42), (FunctionEntry{0, "R02", 3, 500, 17, 64, 1}));
  EXPECT_EQ(table.Entry(41), (FunctionEntry{1, "", 1, 0, 41, 0, 0}));
  EXPECT_THROW(table.Entry(kEntryCount), std::out_of_range);
  EXPECT_THROW(table.Entry(-1), std::out_of_range);
}

}  // namespace
}  // namespace tqr417
