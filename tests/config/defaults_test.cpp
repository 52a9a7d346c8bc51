#include "config/defaults.h"

#include <gtest/gtest.h>

#include "config/field_catalogue.h"

namespace tqr417 {
namespace {

TEST(StartupConfigTest, TableDefaultsFollowEntryNumber) {
  const UnitConfig config = StartupConfig();
  for (int k = 0; k < kEntryCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(config.functionTable.toneActive[k], 1);
    EXPECT_EQ(config.functionTable.relay[k], "");
    EXPECT_EQ(config.functionTable.relayGroup[k], 1);
    EXPECT_EQ(config.functionTable.relayDurationMs[k], 0);
    EXPECT_EQ(config.functionTable.digitalOutput[k], k % 64);
    EXPECT_EQ(config.functionTable.ctcssCode[k], 0);
    EXPECT_EQ(config.functionTable.useDefaultCtcss[k], 0);
  }
  EXPECT_EQ(config.functionTable.digitalOutput[63], 63);
  EXPECT_EQ(config.functionTable.digitalOutput[64], 0);
  EXPECT_EQ(config.functionTable.digitalOutput[99], 35);
}

TEST(StartupConfigTest, ErrorBeepsIsTheOnlyMainWindowFlagSet) {
  const UnitConfig config = StartupConfig();
  for (const FieldInfo* f : AllFields()) {
    if (f->group != FieldGroup::kMainWindow || f->ref.IsText()) continue;
    SCOPED_TRACE(f->name);
    EXPECT_EQ(f->ref.Number(config), f == &Field("errorBeeps") ? 1 : 0);
  }
  EXPECT_EQ(config.main.pttFrequency, "2175");
}

TEST(StartupConfigTest, DialogGroupStartsFromItsConstants) {
  const DialogSettings& d = StartupConfig().dialog;
  EXPECT_EQ(d.morseAutoMode, 1);
  EXPECT_EQ(d.morseIntervalMin, 0);
  EXPECT_EQ(d.morseFreq, 1200);
  EXPECT_EQ(d.morseGain, -10);
  EXPECT_EQ(d.voxLevel, -10);
  EXPECT_EQ(d.voxTimeoutSec, 120);
  EXPECT_EQ(d.callTimeoutMin, 600);
  EXPECT_EQ(d.dig5Enable, 0);
  EXPECT_EQ(d.dig5ActiveHigh, 1);
  EXPECT_EQ(d.dig5ToneFreq, 2175);
  EXPECT_EQ(d.dig5ToneLevel, -20);
  EXPECT_EQ(d.morseText, "");
}

TEST(FieldCatalogueTest, NamesAreUniqueAndFindable) {
  for (const FieldInfo* f : AllFields()) {
    EXPECT_EQ(FindField(f->name), f) << f->name;
    EXPECT_LE(f->minValue, f->maxValue) << f->name;
  }
  EXPECT_EQ(FindField("noSuchField"), nullptr);
}

TEST(FieldCatalogueTest, ReferencesReachTheirOwnMember) {
  UnitConfig config;
  int marker = 1;
  for (const FieldInfo* f : AllFields()) {
    if (f->ref.IsText()) {
      f->ref.Text(config, 42) = std::string(f->name);
    } else {
      f->ref.Number(config, 42) = marker++;
    }
  }
  // Every field got a distinct value, so no two references alias one member.
  marker = 1;
  for (const FieldInfo* f : AllFields()) {
    if (f->ref.IsText()) {
      EXPECT_EQ(f->ref.Text(config, 42), f->name);
    } else {
      EXPECT_EQ(f->ref.Number(config, 42), marker++) << f->name;
    }
  }
  EXPECT_EQ(config.dialog.morseFreq, Field("morseFreq").ref.Number(config));
  EXPECT_EQ(config.functionTable.relay[42], "relay");
  EXPECT_EQ(config.functionTable.relay[41], "");
}

}  // namespace
}  // namespace tqr417
