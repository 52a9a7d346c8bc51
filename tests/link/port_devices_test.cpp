// Which device Com1 and Com2 open: the variables, else the user's port settings file, else the
// default; and a settings file that is not one is ignored with a warning.
#include "link/port_devices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "file/safe_file.h"

namespace tqr417 {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test; an empty value unsets it.
void SetVariable(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  if (value.empty()) {
    unsetenv(name);
  } else {
    setenv(name, value.c_str(), 1);
  }
#endif
}

struct ParseCase {
  const char* text;
  bool ok;
  const char* com1;
  const char* com2;
  const char* messagePart;  // of the refusal
};

class ParsePortSettingsTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePortSettingsTest, TakesTheTwoLinesOrRefusesTheFile) {
  PortSettings settings{"before", "before"};
  const Status status = ParsePortSettings(GetParam().text, settings);
  EXPECT_EQ(status.ok(), GetParam().ok) << status.message();
  EXPECT_EQ(settings.com1, GetParam().com1);
  EXPECT_EQ(settings.com2, GetParam().com2);
  EXPECT_NE(status.message().find(GetParam().messagePart), std::string::npos) << status.message();
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParsePortSettingsTest,
    ::testing::Values(
        ParseCase{"", true, "", "", ""},
        ParseCase{"com1=/dev/ttyUSB0\n", true, "/dev/ttyUSB0", "", ""},
        ParseCase{"# kept\r\n\r\n com2 = COM5 \r\ncom1=/dev/serial/by-id/usb-FTDI_A1-if00\r\n",
                  true, "/dev/serial/by-id/usb-FTDI_A1-if00", "COM5", ""},
        ParseCase{"com1=/dev/Zürich Ω\n", true, "/dev/Zürich Ω", "", ""},
        ParseCase{"com1=a\ncom1=b\n", true, "b", "", ""},
        ParseCase{"com3=/dev/ttyS2\n", false, "before", "before", "line 1 "},
        ParseCase{"com1=a\ncom2=\n", false, "before", "before", "line 2 "},
        ParseCase{"com1 /dev/ttyS0\n", false, "before", "before", "line 1 "},
        ParseCase{"com1=a\x01z\n", false, "before", "before", "line 1 "},
        ParseCase{"\x7f\x45LF\x02\x01\x01", false, "before", "before", "line 1 "}));

TEST(ParsePortSettingsTest, RefusesAFileTooLargeToBeOne) {
  PortSettings settings;
  const std::string huge(100 * 1024, '#');
  EXPECT_FALSE(ParsePortSettings(huge, settings).ok());
}

class PortSettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tqr417-ports-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    SetVariable("TQR417_COM1", "");
    SetVariable("TQR417_COM2", "");
  }
  void TearDown() override {
    SetVariable("TQR417_COM1", "");
    SetVariable("TQR417_COM2", "");
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  // A settings path in a folder that does not exist yet, with a name in UTF-8.
  std::string SettingsPath() const { return folder_.string() + "/Zürich Ω/ports.conf"; }

  fs::path folder_;
};

TEST_F(PortSettingsFileTest, WrittenSettingsAreReadBackAndNoFileIsNoSettings) {
  std::ostringstream warnings;
  const PortSettings none = ReadPortSettings(SettingsPath(), warnings);
  EXPECT_EQ(none.com1 + none.com2, "");
  ASSERT_TRUE(WritePortSettings(SettingsPath(), {"/dev/ttyUSB0", ""}).ok());
  ASSERT_TRUE(WritePortSettings(SettingsPath(), {"/dev/ttyUSB0", "COM7"}).ok());
  const PortSettings read = ReadPortSettings(SettingsPath(), warnings);
  EXPECT_EQ(read.com1, "/dev/ttyUSB0");
  EXPECT_EQ(read.com2, "COM7");
  EXPECT_EQ(warnings.str(), "");
}

TEST_F(PortSettingsFileTest, AMalformedFileIsIgnoredWithAWarningNamingIt) {
  ASSERT_TRUE(WritePortSettings(SettingsPath(), {"/dev/ttyUSB0", ""}).ok());
  ASSERT_TRUE(ReplaceFileContents(SettingsPath(), "com1=/dev/ttyUSB0\nbaud=4800\n").ok());
  std::ostringstream warnings;
  const ChosenDevices chosen = ChooseDevices(SettingsPath(), warnings);
  EXPECT_EQ(chosen.com1.device, "");
  EXPECT_EQ(chosen.com1.source, DeviceSource::kDefault);
  EXPECT_NE(warnings.str().find(SettingsPath()), std::string::npos) << warnings.str();
  EXPECT_NE(warnings.str().find("line 2"), std::string::npos) << warnings.str();
}

TEST_F(PortSettingsFileTest, AFolderInPlaceOfTheFileIsIgnoredWithAWarning) {
  const std::string folderPath = SettingsPath() + ".d";
  ASSERT_TRUE(WritePortSettings(folderPath + "/ports.conf", {"a", ""}).ok());
  std::ostringstream warnings;
  const PortSettings read = ReadPortSettings(folderPath, warnings);
  EXPECT_EQ(read.com1, "");
  EXPECT_NE(warnings.str().find(folderPath), std::string::npos) << warnings.str();
}

// The variable, else the file, else the default, for each port on its own.
struct ChoiceCase {
  const char* com1Variable;
  PortSettings file;
  const char* com1;
  DeviceSource com1Source;
  const char* com2;
  DeviceSource com2Source;
};

class ChooseDevicesTest : public PortSettingsFileTest,
                          public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChooseDevicesTest, VariableBeforeFileBeforeDefault) {
  ASSERT_TRUE(WritePortSettings(SettingsPath(), GetParam().file).ok());
  SetVariable("TQR417_COM1", GetParam().com1Variable);
  std::ostringstream warnings;
  const ChosenDevices chosen = ChooseDevices(SettingsPath(), warnings);
  EXPECT_EQ(chosen.com1.device, GetParam().com1);
  EXPECT_EQ(chosen.com1.source, GetParam().com1Source);
  EXPECT_EQ(chosen.com2.device, GetParam().com2);
  EXPECT_EQ(chosen.com2.source, GetParam().com2Source);
  EXPECT_EQ(warnings.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChooseDevicesTest,
    ::testing::Values(
        ChoiceCase{"", {}, "", DeviceSource::kDefault, "", DeviceSource::kDefault},
        ChoiceCase{"",
                   {"/dev/ttyUSB0", ""},
                   "/dev/ttyUSB0",
                   DeviceSource::kSettingsFile,
                   "",
                   DeviceSource::kDefault},
        ChoiceCase{"/dev/ttyACM0",
                   {"/dev/ttyUSB0", "COM5"},
                   "/dev/ttyACM0",
                   DeviceSource::kVariable,
                   "COM5",
                   DeviceSource::kSettingsFile},
        ChoiceCase{"COM9", {}, "COM9", DeviceSource::kVariable, "", DeviceSource::kDefault}));

}  // namespace
}  // namespace tqr417
