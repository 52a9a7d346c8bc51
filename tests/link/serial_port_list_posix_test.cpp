// The port listing on a folder laid out as /dev and /sys are: the by-id names udev makes, the
// USB ids above a tty, and the built-in device files with no UART behind them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "link/serial_port_list.h"

namespace tqr417 {
namespace {

namespace fs = std::filesystem;

class SerialPortListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tqr417-ports-root-" + std::to_string(getpid()));
    fs::remove_all(root_);
    for (const char* device : {"ttyS0", "ttyS1", "ttyUSB0", "ttyACM0"})
      Write("dev/" + std::string(device), "");
    Write("sys/class/tty/ttyS0/type", "0\n");  // no UART found
    Write("sys/class/tty/ttyS1/type", "4\n");  // a 16550A
    // A USB adapter: the tty's device is a port of interface 1-1:1.0 of USB device 1-1.
    const std::string usb = "sys/devices/pci0000:00/usb1/1-1/";
    Write(usb + "idVendor", "0403\n");
    Write(usb + "idProduct", "6001\n");
    Write(usb + "manufacturer", "FTDI\n");
    Write(usb + "product", "FT232R USB UART\n");
    fs::create_directories(root_ / usb / "1-1:1.0/ttyUSB0");
    fs::create_directories(root_ / "sys/class/tty/ttyUSB0");
    fs::create_symlink(root_ / usb / "1-1:1.0/ttyUSB0", root_ / "sys/class/tty/ttyUSB0/device");
    fs::create_directories(root_ / "dev/serial/by-id");
    fs::create_symlink("../../ttyUSB0", root_ / "dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
  }
  void TearDown() override { fs::remove_all(root_); }

  void Write(const std::string& relative, const std::string& text) {
    fs::create_directories((root_ / relative).parent_path());
    std::ofstream(root_ / relative) << text;
  }

  fs::path root_;
};

TEST_F(SerialPortListTest, NamesEachPortWithWhatIdentifiesIt) {
  const std::vector<SerialPortInfo> ports = DescribeSerialPorts(root_.string());
  ASSERT_EQ(ports.size(), 4u);
  EXPECT_EQ(ports[0].device, "/dev/ttyS0");
  EXPECT_FALSE(ports[0].hasHardware);
  EXPECT_EQ(ports[1].device, "/dev/ttyS1");
  EXPECT_TRUE(ports[1].hasHardware);
  EXPECT_EQ(ports[1].stableName, "");
  EXPECT_EQ(ports[2].device, "/dev/ttyUSB0");
  EXPECT_EQ(ports[2].stableName, "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
  EXPECT_EQ(ports[2].description, "USB 0403:6001 FTDI FT232R USB UART");
  EXPECT_EQ(ports[3].device, "/dev/ttyACM0");
  EXPECT_EQ(ports[3].description, "");
  EXPECT_TRUE(ports[3].hasHardware);
}

}  // namespace
}  // namespace tqr417
