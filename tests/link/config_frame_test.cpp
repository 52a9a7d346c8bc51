#include "link/config_frame.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "config/defaults.h"
#include "config/field_catalogue.h"
#include "support/row_name.h"

namespace tqr417 {
namespace {

// Offsets of the settings words written out by hand, independent of the encoder's list.
struct SettingsOffset {
  const FieldInfo* field;
  int offset;
};
const SettingsOffset kSettingsOffsets[] = {
    {&Field("sidetoneGain"), 810},   {&Field("radioTxGain"), 812},
    {&Field("lineTxGain"), 814},     {&Field("ctcssGain"), 816},
    {&Field("audioLoopback"), 820},  {&Field("lineDtmfDisable"), 822},
    {&Field("dig5Enable"), 824},     {&Field("dig5ActiveHigh"), 826},
    {&Field("dig5ToneLevel"), 828},  {&Field("dig5ToneFreq"), 830},
    {&Field("dig5OnMs"), 832},       {&Field("dig5OffMs"), 834},
    {&Field("dig5R1"), 836},         {&Field("dig5R2"), 838},
    {&Field("morseAutoMode"), 840},  {&Field("morseGain"), 846},
    {&Field("txAddCtcss"), 848},     {&Field("txAgc"), 850},
    {&Field("txPreEmphasis"), 852},  {&Field("txLowPass"), 854},
    {&Field("voxLevel"), 856},       {&Field("phoneInstalled"), 858},
    {&Field("voxTimeoutSec"), 860},  {&Field("holdToneAlways"), 864},
    {&Field("pttToneOnly"), 866},    {&Field("dig4RxMute"), 868},
    {&Field("dig4ActiveHigh"), 870}, {&Field("dig4RevertF1"), 872},
    {&Field("dig4RevertSec"), 874},  {&Field("dig4Enable"), 876},
    {&Field("dig4R1"), 878},         {&Field("dig4R2"), 880},
    {&Field("errorBeeps"), 882},
};

// The start-up configuration's whole frame as a unit receives it, 936 bytes in hex.
constexpr const char* kStartupFrameHex =
    "000000000000000000000000000101000000000000010101000000000001010200000000"
    "000101030000000000010104000000000001010500000000000101060000000000010107"
    "00000000000101080000000000010109000000000001010A000000000001010B00000000"
    "0001010C000000000001010D000000000001010E000000000001010F0000000000010110"
    "000000000001011100000000000101120000000000010113000000000001011400000000"
    "000101150000000000010116000000000001011700000000000101180000000000010119"
    "000000000001011A000000000001011B000000000001011C000000000001011D00000000"
    "0001011E000000000001011F000000000001012000000000000101210000000000010122"
    "000000000001012300000000000101240000000000010125000000000001012600000000"
    "0001012700000000000101280000000000010129000000000001012A000000000001012B"
    "000000000001012C000000000001012D000000000001012E000000000001012F00000000"
    "000101300000000000010131000000000001013200000000000101330000000000010134"
    "000000000001013500000000000101360000000000010137000000000001013800000000"
    "00010139000000000001013A000000000001013B000000000001013C000000000001013D"
    "000000000001013E000000000001013F0000000000010100000000000001010100000000"
    "000101020000000000010103000000000001010400000000000101050000000000010106"
    "000000000001010700000000000101080000000000010109000000000001010A00000000"
    "0001010B000000000001010C000000000001010D000000000001010E000000000001010F"
    "000000000001011000000000000101110000000000010112000000000001011300000000"
    "000101140000000000010115000000000001011600000000000101170000000000010118"
    "0000000000010119000000000001011A000000000001011B000000000001011C00000000"
    "0001011D000000000001011E000000000001011F00000000000101200000000000010121"
    "0000000000010122000000000001012300000000000000000000087F0000000000000001"
    "FFEC087F0000000000000000000100002666FFF60000000000000000FFF6000000788CA0"
    "000000000000000000000000000000000000000100000000000000000000000000000000"
    "00000000000000000000000000000000000000000000000000000000000000000000CF75";

std::string HexText(const ConfigFrame& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (const uint8_t byte : bytes) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

int WordAt(const ConfigFrame& bytes, int offset) { return bytes[offset] << 8 | bytes[offset + 1]; }

// A configuration whose every field is 0, with the PTT frequency text "0".
UnitConfig ZeroConfig() {
  UnitConfig config;
  config.main.pttFrequency = "0";
  return config;
}

class ConfigFrameTest : public testing::Test {
 protected:
  static void IncrementByte(ConfigFrame& bytes, int offset) { ++bytes[offset]; }
  static void FixChecksum(ConfigFrame& bytes) {
    const uint16_t sum = DecodeFrame(bytes).computedChecksum;
    bytes[934] = static_cast<uint8_t>(sum >> 8);
    bytes[935] = static_cast<uint8_t>(sum);
  }
};

TEST_F(ConfigFrameTest, AllZeroConfigurationIsAllZeroBytes) {
  const EncodedFrame frame = EncodeFrame(ZeroConfig());
  EXPECT_EQ(frame.bytes, ConfigFrame{});
  EXPECT_EQ(frame.sum, 0);
}

TEST_F(ConfigFrameTest, SumBeyondSixteenBitsKeepsItsLowBits) {
  UnitConfig config = ZeroConfig();
  config.functionTable.relayDurationMs.fill(1000);
  const EncodedFrame frame = EncodeFrame(config);
  EXPECT_EQ(frame.sum, 100000);
  EXPECT_EQ(WordAt(frame.bytes, 934), 0x86A0);
  const DecodedFrame decoded = DecodeFrame(frame.bytes);
  EXPECT_TRUE(decoded.checksumOk());
  EXPECT_EQ(decoded.config, config);
}

TEST_F(ConfigFrameTest, StartupConfigurationGoldenValues) {
  const EncodedFrame frame = EncodeFrame(StartupConfig());
  EXPECT_EQ(frame.sum, 53109);
  EXPECT_EQ(WordAt(frame.bytes, 934), 0xCF75);
  EXPECT_EQ(frame.bytes[862], 0x8C);  // callTimeoutMin 600 goes out as 36000 seconds
  EXPECT_EQ(frame.bytes[863], 0xA0);
  EXPECT_EQ(WordAt(frame.bytes, 844), 9830);  // morseFreq 1200 Hz
  EXPECT_EQ(WordAt(frame.bytes, 818), 2175);  // pttFrequency "2175"
  // Entry 99: toneActive 1, group 1, digital output 35.
  EXPECT_EQ(frame.bytes[802 + 3], 1);
  EXPECT_EQ(frame.bytes[802 + 4], 1);
  EXPECT_EQ(frame.bytes[802 + 5], 35);
}

TEST_F(ConfigFrameTest, StartupConfigurationGivesTheWholeFrame) {
  EXPECT_EQ(HexText(EncodeFrame(StartupConfig()).bytes), kStartupFrameHex);
}

TEST_F(ConfigFrameTest, StartupConfigurationReadsBackWithItsLargeWords) {
  const UnitConfig startup = StartupConfig();
  const DecodedFrame decoded = DecodeFrame(EncodeFrame(startup).bytes);
  ASSERT_TRUE(decoded.checksumOk());
  EXPECT_EQ(decoded.config.dialog.callTimeoutMin, 600);
  UnitConfig expected = startup;
  expected.dialog.morseFreq = 1199;  // the two truncations do not undo each other
  EXPECT_EQ(decoded.config, expected);
}

TEST_F(ConfigFrameTest, SettingsWordsStandAtTheirOffsets) {
  UnitConfig config = ZeroConfig();
  int value = 1;
  for (const auto& [field, offset] : kSettingsOffsets) field->ref.Number(config) = value++;
  const EncodedFrame frame = EncodeFrame(config);
  value = 1;
  for (const auto& [field, offset] : kSettingsOffsets) {
    EXPECT_EQ(WordAt(frame.bytes, offset), value++) << field->name;
  }
}

TEST_F(ConfigFrameTest, HeaderAndEntryFieldsStandAtTheirOffsets) {
  UnitConfig config = ZeroConfig();
  config.main.toneMode = 1;
  config.main.monRelayMode = 2;
  config.main.monMomentaryMs = 0x1234;
  config.main.ctcssToneMode = 1;
  config.main.pttRelayOption = 2;
  config.main.repeaterMode = 1;
  config.main.revertToR1 = 1;
  config.functionTable.relayDurationMs[5] = 0x0102;
  config.functionTable.relay[5] = "R02";
  config.functionTable.toneActive[5] = 1;
  config.functionTable.relayGroup[5] = 3;
  config.functionTable.digitalOutput[5] = 63;
  config.functionTable.ctcssCode[5] = 64;
  config.functionTable.useDefaultCtcss[5] = 1;
  const ConfigFrame b = EncodeFrame(config).bytes;
  // The header's flags are words; an entry's flags are bytes.
  const std::vector<uint8_t> header(b.begin(), b.begin() + 10);
  EXPECT_EQ(header, (std::vector<uint8_t>{1, 2, 0x12, 0x34, 1, 2, 0, 1, 0, 1}));
  const std::vector<uint8_t> entry(b.begin() + 50, b.begin() + 58);
  EXPECT_EQ(entry, (std::vector<uint8_t>{0x01, 0x02, 2, 1, 3, 63, 64, 1}));
  EXPECT_EQ(b[42], 0);  // entry 4 untouched
  EXPECT_EQ(b[58], 0);  // entry 6 untouched
}

TEST_F(ConfigFrameTest, NegativeWordsGoOutInTwosComplement) {
  UnitConfig config = ZeroConfig();
  config.dialog.sidetoneGain = -40;
  const EncodedFrame frame = EncodeFrame(config);
  EXPECT_EQ(frame.bytes[810], 0xFF);
  EXPECT_EQ(frame.bytes[811], 0xD8);
  EXPECT_EQ(frame.sum, -40);
  EXPECT_EQ(DecodeFrame(frame.bytes).config.dialog.sidetoneGain, -40);
}

struct ScaledCase {
  const char* description;
  const FieldInfo* field;
  int value;
  int onLine;
  int readBack;
};

class ScaledFieldTest : public testing::TestWithParam<ScaledCase> {};

TEST_P(ScaledFieldTest, ConvertsOnTheWayOutAndBack) {
  const ScaledCase& c = GetParam();
  UnitConfig config = ZeroConfig();
  c.field->ref.Number(config) = c.value;
  const EncodedFrame frame = EncodeFrame(config);
  const int offset = c.field == &Field("morseFreq")          ? 844
                     : c.field == &Field("morseIntervalMin") ? 842
                                                             : 862;
  EXPECT_EQ(WordAt(frame.bytes, offset), c.onLine & 0xFFFF);
  EXPECT_EQ(frame.sum, c.onLine);
  const DecodedFrame decoded = DecodeFrame(frame.bytes);
  EXPECT_TRUE(decoded.checksumOk());
  EXPECT_EQ(c.field->ref.Number(decoded.config), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScaledFieldTest,
    testing::Values(
        ScaledCase{"Morse400Hz", &Field("morseFreq"), 400, 3276, 399},
        ScaledCase{"Morse1000Hz", &Field("morseFreq"), 1000, 8192, 1000},
        ScaledCase{"Morse1200Hz", &Field("morseFreq"), 1200, 9830, 1199},
        ScaledCase{"Morse2000Hz", &Field("morseFreq"), 2000, 16384, 2000},
        ScaledCase{"Interval200Min", &Field("morseIntervalMin"), 200, 12000, 200},
        ScaledCase{"Interval600MinReadsBackSigned", &Field("morseIntervalMin"), 600, 36000, -492},
        ScaledCase{"CallTimeout180Min", &Field("callTimeoutMin"), 180, 10800, 180},
        ScaledCase{"CallTimeout600MinAboveSignedWord", &Field("callTimeoutMin"), 600, 36000, 600},
        ScaledCase{"CallTimeout1092MinLargestWord", &Field("callTimeoutMin"), 1092, 65520, 1092}),
    tqr417::test_support::RowName{});

TEST_F(ConfigFrameTest, UnsignedWordsReadBackUpTo65535AndOthersSigned) {
  UnitConfig config = ZeroConfig();
  config.main.monMomentaryMs = 60000;
  config.dialog.dig5OnMs = 65000;
  config.dialog.dig5OffMs = 65535;
  config.dialog.dig4RevertSec = 40000;  // a signed word: comes back negative
  const DecodedFrame decoded = DecodeFrame(EncodeFrame(config).bytes);
  EXPECT_TRUE(decoded.checksumOk());
  EXPECT_EQ(decoded.config.main.monMomentaryMs, 60000);
  EXPECT_EQ(decoded.config.dialog.dig5OnMs, 65000);
  EXPECT_EQ(decoded.config.dialog.dig5OffMs, 65535);
  EXPECT_EQ(decoded.config.dialog.dig4RevertSec, 40000 - 65536);
}

TEST_F(ConfigFrameTest, MorseTextIsZeroFilledAndSignedInTheSum) {
  UnitConfig config = ZeroConfig();
  config.dialog.morseText = "CQ";
  EncodedFrame frame = EncodeFrame(config);
  EXPECT_EQ(frame.bytes[884], 0x43);
  EXPECT_EQ(frame.bytes[885], 0x51);
  for (int i = 886; i < 934; ++i) EXPECT_EQ(frame.bytes[i], 0) << i;
  EXPECT_EQ(frame.sum, 67 + 81);

  config.dialog.morseText = "\xE9";  // a code above 0x7F counts as negative
  frame = EncodeFrame(config);
  EXPECT_EQ(frame.sum, 0xE9 - 256);
  const DecodedFrame decoded = DecodeFrame(frame.bytes);
  EXPECT_TRUE(decoded.checksumOk());
  EXPECT_EQ(decoded.config.dialog.morseText, "\xE9");
}

TEST_F(ConfigFrameTest, MorseTextOfFiftyCharactersComesBackWhole) {
  UnitConfig config = ZeroConfig();
  config.dialog.morseText = std::string(50, 'K');
  EXPECT_EQ(DecodeFrame(EncodeFrame(config).bytes).config.dialog.morseText,
            config.dialog.morseText);
}

TEST_F(ConfigFrameTest, MorseFieldStartingWithZeroGivesEmptyTextButCountsEveryByte) {
  ConfigFrame bytes = EncodeFrame(ZeroConfig()).bytes;
  bytes[885] = 'X';
  FixChecksum(bytes);
  const DecodedFrame decoded = DecodeFrame(bytes);
  EXPECT_TRUE(decoded.checksumOk());
  EXPECT_EQ(decoded.receivedChecksum, 'X');
  EXPECT_EQ(decoded.config.dialog.morseText, "");
}

TEST_F(ConfigFrameTest, RelayLabelsBecomeNumbersAndBack) {
  UnitConfig config = ZeroConfig();
  config.functionTable.relay[0] = "R01";
  config.functionTable.relay[1] = "R02";
  config.functionTable.relay[2] = "R12";
  config.functionTable.relay[3] = "R";
  const ConfigFrame bytes = EncodeFrame(config).bytes;
  EXPECT_EQ(bytes[10 + 2], 1);
  EXPECT_EQ(bytes[18 + 2], 2);
  EXPECT_EQ(bytes[26 + 2], 12);
  EXPECT_EQ(bytes[34 + 2], 0);
  const DecodedFrame decoded = DecodeFrame(bytes);
  EXPECT_EQ(decoded.config.functionTable.relay[0], "R01");
  EXPECT_EQ(decoded.config.functionTable.relay[1], "R02");
  EXPECT_EQ(decoded.config.functionTable.relay[2], "R12");
  EXPECT_EQ(decoded.config.functionTable.relay[3], "");
  EXPECT_EQ(decoded.config.functionTable.relay[4], "");
}

TEST_F(ConfigFrameTest, RelayNumberBeyondAByteBreaksTheChecksum) {
  UnitConfig config = ZeroConfig();
  config.functionTable.relay[0] = "R300";
  const EncodedFrame frame = EncodeFrame(config);
  EXPECT_EQ(frame.bytes[12], 44);
  EXPECT_EQ(frame.sum, 300);
  EXPECT_FALSE(DecodeFrame(frame.bytes).checksumOk());
}

TEST_F(ConfigFrameTest, EmptyPttFrequencyGoesOutAsZeroAndComesBackAsText) {
  UnitConfig config = ZeroConfig();
  config.main.pttFrequency = "";
  EXPECT_EQ(EncodeFrame(config).bytes, ConfigFrame{});
  EXPECT_EQ(DecodeFrame(EncodeFrame(config).bytes).config.main.pttFrequency, "0");
  config.main.pttFrequency = "-12";
  EXPECT_EQ(DecodeFrame(EncodeFrame(config).bytes).config.main.pttFrequency, "-12");
}

TEST_F(ConfigFrameTest, AnyChangedByteIsCaughtAndFixingTheChecksumAcceptsIt) {
  const ConfigFrame good = EncodeFrame(StartupConfig()).bytes;
  for (int offset : {0, 1, 9, 10, 500, 809, 810, 883, 884, 933}) {
    SCOPED_TRACE(offset);
    ConfigFrame bytes = good;
    IncrementByte(bytes, offset);
    EXPECT_FALSE(DecodeFrame(bytes).checksumOk());
    FixChecksum(bytes);
    EXPECT_TRUE(DecodeFrame(bytes).checksumOk());
  }
}

// Morse frequencies and what the unit gives back of each: the frame carries Hz * 8.192
// truncated, and reading divides and truncates again.
struct MorseFrequencyBack {
  int sent;
  int back;
};
constexpr MorseFrequencyBack kMorseFrequencies[] = {{400, 399},   {401, 400},   {700, 699},
                                                    {1000, 1000}, {1234, 1233}, {1500, 1500},
                                                    {1800, 1799}, {2000, 2000}};

// Random configurations within every editing window's range survive the round trip, apart
// from the Morse frequency's double truncation.
TEST_F(ConfigFrameTest, RandomConfigurationsRoundTrip) {
  std::mt19937 random(417);
  for (int round = 0; round < 200; ++round) {
    UnitConfig config = StartupConfig();
    for (const FieldInfo* f : AllFields()) {
      if (f->ref.IsText()) continue;
      std::uniform_int_distribution<int> pick(f->minValue, f->maxValue);
      const int entries = f->ref.IsTableField() ? kEntryCount : 1;
      for (int e = 0; e < entries; ++e) f->ref.Number(config, e) = pick(random);
    }
    for (auto& label : config.functionTable.relay)
      label = random() % 3 == 0 ? "" : FormatEntryLabel(1 + random() % 2, 'R');
    config.main.pttFrequency = std::string(kPttFrequencies[random() % 8]);
    config.dialog.morseText = std::string(random() % 51, static_cast<char>('A' + random() % 26));
    const MorseFrequencyBack& morse = kMorseFrequencies[random() % std::size(kMorseFrequencies)];
    config.dialog.morseFreq = morse.sent;
    const DecodedFrame decoded = DecodeFrame(EncodeFrame(config).bytes);
    ASSERT_TRUE(decoded.checksumOk());
    UnitConfig expected = config;
    expected.dialog.morseFreq = morse.back;
    ASSERT_EQ(decoded.config, expected) << "round " << round;
  }
}

TEST(RelayNumberFromLabelTest, ReadsWhatFollowsTheFirstCharacter) {
  EXPECT_EQ(RelayNumberFromLabel("R01"), 1);
  EXPECT_EQ(RelayNumberFromLabel("R02"), 2);
  EXPECT_EQ(RelayNumberFromLabel("r12"), 12);
  EXPECT_EQ(RelayNumberFromLabel("R"), 0);
  EXPECT_EQ(RelayNumberFromLabel(""), 0);
  EXPECT_EQ(RelayNumberFromLabel("1"), 0);
  EXPECT_EQ(RelayNumberFromLabel("R-3"), -3);
  EXPECT_EQ(RelayNumberFromLabel("R3x"), 3);
}

}  // namespace
}  // namespace tqr417
