// Words over a channel: big-endian, and a missing byte makes the whole word NO_DATA.
#include "link/byte_channel.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/scripted_channel.h"

namespace tqr417 {
namespace {

struct WordReadCase {
  const char* description;
  std::vector<uint16_t> incoming;
  uint16_t word;
  int reads;
};

class ReadWordTest : public testing::TestWithParam<WordReadCase> {};

TEST_P(ReadWordTest, HighByteFirst) {
  ScriptedChannel channel;
  channel.incoming.assign(GetParam().incoming.begin(), GetParam().incoming.end());
  EXPECT_EQ(channel.ReadWord(), GetParam().word);
  EXPECT_EQ(channel.reads, GetParam().reads);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ReadWordTest,
    testing::Values(WordReadCase{"BothBytes", {0x12, 0x34}, 0x1234, 2},
                    WordReadCase{"MinusForty", {0xFF, 0xD8}, 0xFFD8, 2},
                    WordReadCase{"AllOnesIsNoData", {0xFF, 0xFF}, NO_DATA, 2},
                    WordReadCase{"HighMissingSkipsLow", {NO_DATA, 0x34}, NO_DATA, 1},
                    WordReadCase{"LowMissingConsumesHigh", {0x12}, NO_DATA, 2}),
    [](const testing::TestParamInfo<WordReadCase>& info) { return info.param.description; });

TEST(WriteTest, ByteAndWordTakeTheirLowBits) {
  ScriptedChannel channel;
  channel.WriteByte(0x1FF);
  channel.WriteWord(-40);
  channel.WriteWord(0x12345);
  EXPECT_EQ(channel.written, (std::vector<uint8_t>{0xFF, 0xFF, 0xD8, 0x23, 0x45}));
  EXPECT_EQ(channel.writeSizes, (std::vector<size_t>{1, 2, 2}));
}

}  // namespace
}  // namespace tqr417
