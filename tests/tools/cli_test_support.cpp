#include "tests/tools/cli_test_support.h"

#include <sstream>

#include "config/defaults.h"
#include "file/config_file.h"
#include "link/config_frame.h"

namespace tqr417 {

UnitConfig CliFilesTest::A() {
  UnitConfig a = StartupConfig();
  a.functionTable.relayDurationMs[5] = 250;
  return a;
}

UnitConfig CliFilesTest::B() {
  UnitConfig b = A();
  b.functionTable.relayDurationMs[5] = 300;
  b.main.monRelayMode = 2;
  b.dialog.morseText = "CQ DE";
  return b;
}

void CliFilesTest::SetUp() {
  CliTest::SetUp();
  UnitConfig c = A();
  c.dialog.morseFreq = 1199;
  ASSERT_TRUE(SaveConfigFile(Path("a.417"), A()).ok());
  ASSERT_TRUE(SaveConfigFile(Path("b.417"), B()).ok());
  ASSERT_TRUE(SaveConfigFile(Path("c.417"), c).ok());
  ConfigFrame frame = EncodeFrame(A()).bytes;
  std::ofstream(Path("a.bin"), std::ios::binary)
      .write(reinterpret_cast<const char*>(frame.data()), FRAME_SIZE);
  frame[500] ^= 1;
  std::ofstream(Path("bad.bin"), std::ios::binary)
      .write(reinterpret_cast<const char*>(frame.data()), FRAME_SIZE);
}

TEST_P(CliCommandTest, ExitsAndReportsAsTabled) {
  const CommandCase& row = GetParam();
  const std::string untouched = *row.untouched ? Slurp(Path(row.untouched)) : "";
  const CliRun run = Cli(row.args);
  EXPECT_EQ(run.exitCode, row.exitCode) << run.out << Err();
  for (const std::string& text : row.out)
    EXPECT_NE(run.out.find(text), std::string::npos) << run.out;
  if (row.outLines >= 0) {
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), row.outLines) << run.out;
  }
  EXPECT_NE(Err().find(row.err), std::string::npos) << Err();
  if (*row.untouched) {
    EXPECT_EQ(Slurp(Path(row.untouched)), untouched);
  }
}

}  // namespace tqr417
