#include "link/config_frame.h"

#include <gtest/gtest.h>

#include "config/defaults.h"

namespace tqr417 {
namespace {

TEST(ConfigFrameSmokeTest, StartupChecksum) {
  const EncodedFrame frame = EncodeFrame(StartupConfig());
  EXPECT_EQ(frame.sum, 53109);
  EXPECT_EQ(frame.bytes[934], 0xCF);
  EXPECT_EQ(frame.bytes[935], 0x75);
}

}  // namespace
}  // namespace tqr417
