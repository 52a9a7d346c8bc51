// SerialLink over a real pseudo-terminal, with the test holding the other side.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "link/serial_link.h"
#include "link/serial_port_opener.h"
#include "link/termios_settings.h"
#include "link/uucp_lock.h"
#include "support/row_name.h"
#include "tools/sim/pty_master.h"

namespace tqr417 {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

milliseconds Since(Clock::time_point start) {
  return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

// What a caller sees of a link that holds no port: no description, a write fails as "not
// open" and a read gives nothing, both at once.
void ExpectNotOpen(SerialLink& link) {
  EXPECT_EQ(link.Description(), "");
  const auto start = Clock::now();
  EXPECT_FALSE(link.WriteByte(0x42));
  EXPECT_EQ(link.LineFailure().message(), "The serial port is not open");
  EXPECT_EQ(link.ReadByte(), NO_DATA);
  EXPECT_LT(Since(start), milliseconds(5));
}

class SerialLinkPtyTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty_.Open().ok());
    device_ = pty_.SlavePath();
  }

  // Reads exactly `count` bytes from the far side, waiting at most a second in all.
  std::vector<uint8_t> ReadFar(size_t count) {
    std::vector<uint8_t> bytes;
    const auto deadline = Clock::now() + milliseconds(1000);
    while (bytes.size() < count && Clock::now() < deadline) {
      pollfd p{pty_.fd(), POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      uint8_t chunk[512];
      const ssize_t n = read(pty_.fd(), chunk, std::min(sizeof chunk, count - bytes.size()));
      if (n > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
  }

  void WriteFar(const std::vector<uint8_t>& bytes) {
    ASSERT_EQ(write(pty_.fd(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  sim::PtyMaster pty_;
  std::string device_;
  SerialLink link_;
};

TEST_F(SerialLinkPtyTest, SetsTheLineThatAFreshPortLacks) {
  termios settings{};
  ASSERT_EQ(tcgetattr(pty_.fd(), &settings), 0);
  EXPECT_NE(LineSettingsMismatch(settings), "");
  ASSERT_TRUE(link_.OpenDevice(device_, 1024).ok());
  ASSERT_EQ(tcgetattr(pty_.fd(), &settings), 0);
  EXPECT_EQ(LineSettingsMismatch(settings), "");
}

TEST_F(SerialLinkPtyTest, AllByteValuesPassUnchangedBothWays) {
  ASSERT_TRUE(link_.OpenDevice(device_, 1024).ok());
  std::vector<uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<uint8_t>(i);

  link_.Write(all);
  EXPECT_EQ(ReadFar(256), all);

  WriteFar(all);
  std::vector<uint8_t> received;
  for (int i = 0; i < 256; ++i) {
    const uint16_t value = link_.ReadByte();
    ASSERT_NE(value, NO_DATA) << "byte " << i;
    received.push_back(static_cast<uint8_t>(value));
  }
  EXPECT_EQ(received, all);
}

TEST_F(SerialLinkPtyTest, ReadTimeOutKeepsToItsHundredMilliseconds) {
  ASSERT_TRUE(link_.OpenDevice(device_, 1024).ok());
  auto start = Clock::now();
  EXPECT_EQ(link_.ReadByte(), NO_DATA);
  EXPECT_GE(Since(start), milliseconds(READ_TIMEOUT_MS));
  EXPECT_LT(Since(start), milliseconds(READ_TIMEOUT_MS + 60));

  // A queued byte comes at once, and 0xFF is data.
  WriteFar({0xFF});
  std::this_thread::sleep_for(milliseconds(10));
  start = Clock::now();
  EXPECT_EQ(link_.ReadByte(), 0xFF);
  EXPECT_LT(Since(start), milliseconds(20));

  // A byte that arrives during the wait ends it at once.
  std::thread late([&] {
    std::this_thread::sleep_for(milliseconds(30));
    WriteFar({0x41});
  });
  start = Clock::now();
  EXPECT_EQ(link_.ReadByte(), 0x41);
  EXPECT_LT(Since(start), milliseconds(80));
  late.join();
}

TEST_F(SerialLinkPtyTest, WordWithoutItsLowByteIsNoDataAndConsumesTheHighByte) {
  ASSERT_TRUE(link_.OpenDevice(device_, 1024).ok());
  WriteFar({0x12});
  EXPECT_EQ(link_.ReadWord(), NO_DATA);
  WriteFar({0x34, 0xFF, 0xD8});
  EXPECT_EQ(link_.ReadByte(), 0x34);
  EXPECT_EQ(link_.ReadWord(), 0xFFD8);
}

TEST_F(SerialLinkPtyTest, AnswerWaitStartsOnlyAfterTheLineTime) {
  ASSERT_TRUE(link_.OpenDevice(device_, 8).ok());
  const std::vector<uint8_t> bytes(96, 0x55);  // 200 ms at 4800 baud
  const auto start = Clock::now();
  link_.WriteByte(0x42);
  link_.Write(std::span(bytes).first(95));
  link_.WaitUntilSent();
  EXPECT_GE(Since(start), milliseconds(199));
  EXPECT_LT(Since(start), milliseconds(260));
  // Nothing more written: the next wait returns at once.
  const auto again = Clock::now();
  link_.WaitUntilSent();
  EXPECT_LT(Since(again), milliseconds(20));
}

TEST_F(SerialLinkPtyTest, HeldPortRefusesASecondOpenUntilClosed) {
  ASSERT_TRUE(link_.OpenDevice(device_, 8).ok());
  SerialLink second;
  const Status refused = second.OpenDevice(device_, 8);
  EXPECT_FALSE(refused.ok());
  ExpectNotOpen(second);
  EXPECT_NE(refused.message().find(device_), std::string::npos) << refused.message();
  EXPECT_NE(refused.message().find("in use"), std::string::npos) << refused.message();

  link_.Close();
  ExpectNotOpen(link_);
  EXPECT_TRUE(second.OpenDevice(device_, 8).ok());
  EXPECT_NE(second.Description().find(device_), std::string::npos) << second.Description();
}

TEST_F(SerialLinkPtyTest, AdvisoryLockAloneAlsoRefuses) {
  const int other = open(device_.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(link_.OpenDevice(device_, 8).ok());
  close(other);
  EXPECT_TRUE(link_.OpenDevice(device_, 8).ok());
}

// A terminal program such as minicom holds a port by its UUCP lock file alone.
class UucpLockTest : public SerialLinkPtyTest {
 protected:
  void SetUp() override {
    SerialLinkPtyTest::SetUp();
    lockFile_ = UucpLock::LockFileOf(device_);
    ASSERT_EQ(lockFile_, "/var/lock/LCK.." + std::filesystem::path(device_).filename().string());
    if (access("/var/lock", W_OK) != 0) GTEST_SKIP() << "/var/lock is not writable to this user";
  }
  void TearDown() override {
    if (holder_ > 0) {
      kill(holder_, SIGKILL);
      waitpid(holder_, nullptr, 0);
    }
    link_.Close();
    unlink(lockFile_.c_str());
  }

  // A running "sleep": the program that holds the port.
  pid_t StartHolder() {
    holder_ = fork();
    if (holder_ == 0) {
      execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
      _exit(127);
    }
    // Its name is "sleep" once exec has run.
    for (int i = 0; i < 200 && LockText("/proc/" + std::to_string(holder_) + "/comm") != "sleep\n";
         ++i) {
      std::this_thread::sleep_for(milliseconds(5));
    }
    return holder_;
  }

  // The id of a process that has ended.
  static pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
  }

  void WriteLock(pid_t holder) {
    std::ofstream(lockFile_) << std::string(10 - std::to_string(holder).size(), ' ') << holder
                             << "\n";
  }

  static std::string LockText(const std::string& path) {
    std::ifstream file(path);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<none>";
  }

  std::string lockFile_;
  pid_t holder_ = 0;
};

TEST_F(UucpLockTest, LockOfARunningProgramRefusesTheOpenAndNamesIt) {
  const pid_t holder = StartHolder();
  WriteLock(holder);
  const std::string before = LockText(lockFile_);
  // Through a link, as /dev/serial/by-id/ names a USB adapter.
  const std::filesystem::path byId =
      std::filesystem::path(testing::TempDir()) / ("tqr417-by-id-" + std::to_string(getpid()));
  std::filesystem::create_symlink(device_, byId);
  const Status refused = link_.OpenDevice(byId.string(), 8);
  std::filesystem::remove(byId);
  ExpectNotOpen(link_);
  EXPECT_NE(refused.message().find("the port is in use by another program (sleep, pid " +
                                   std::to_string(holder) + ")"),
            std::string::npos)
      << refused.message();
  EXPECT_EQ(LockText(lockFile_), before);
  // The device itself was never opened: its advisory lock is free.
  const int other = open(device_.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(other, 0);
  EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
  close(other);
}

TEST_F(UucpLockTest, StaleLockIsReplacedByOursWhileHeldAndRemovedOnClose) {
  WriteLock(EndedProcess());
  ASSERT_TRUE(link_.OpenDevice(device_, 8).ok());
  char ours[16];
  std::snprintf(ours, sizeof ours, "%10d\n", static_cast<int>(getpid()));
  EXPECT_EQ(LockText(lockFile_), ours);
  link_.Close();
  EXPECT_EQ(LockText(lockFile_), "<none>");
  // A port opened with no lock file at all makes and removes one the same way.
  ASSERT_TRUE(link_.OpenDevice(device_, 8).ok());
  EXPECT_EQ(LockText(lockFile_), ours);
  link_.Close();
  EXPECT_EQ(LockText(lockFile_), "<none>");
}

// The far end hangs up (closes) before a write, while the link waits for its bytes to leave,
// or while it waits for a byte: the operation fails within a few milliseconds of the hang-up,
// naming the device, and every later one fails at once.
struct HangUpCase {
  const char* description;
  int hangUpAfterMs;  // 0: before the operation starts
  bool (*operation)(SerialLink&);
};

class SerialLinkHangUpTest : public SerialLinkPtyTest,
                             public testing::WithParamInterface<HangUpCase> {};

TEST_P(SerialLinkHangUpTest, FailsTheLineAtOnceNamingTheDevice) {
  const HangUpCase& c = GetParam();
  ASSERT_TRUE(link_.OpenDevice(device_, 8).ok());
  Clock::time_point hungUp = Clock::now();
  std::thread closer([&] {
    std::this_thread::sleep_for(milliseconds(c.hangUpAfterMs));
    pty_.Close();
    hungUp = Clock::now();
  });
  if (c.hangUpAfterMs == 0) closer.join();
  EXPECT_FALSE(c.operation(link_));
  const auto ended = Clock::now();
  if (closer.joinable()) closer.join();
  const auto afterHangUp = std::chrono::duration_cast<milliseconds>(ended - hungUp);
  RecordProperty(
      "usAfterHangUp",
      static_cast<int>(
          std::chrono::duration_cast<std::chrono::microseconds>(ended - hungUp).count()));
  EXPECT_LT(afterHangUp, milliseconds(25));
  EXPECT_EQ(link_.LineFailure().message(), device_ + ": the device was disconnected");

  const auto start = Clock::now();
  EXPECT_FALSE(link_.WriteByte(0x42));
  EXPECT_FALSE(link_.WaitUntilSent());
  EXPECT_EQ(link_.ReadByte(), NO_DATA);
  EXPECT_LT(Since(start), milliseconds(5));
  link_.Close();
}

bool WriteOne(SerialLink& link) { return link.WriteByte(0x42); }
bool WaitForTheLine(SerialLink& link) {
  const std::vector<uint8_t> bytes(96, 0x55);  // 200 ms at 4800 baud
  return link.Write(bytes) && link.WaitUntilSent();
}
bool ReadOne(SerialLink& link) { return link.ReadByte() != NO_DATA; }

INSTANTIATE_TEST_SUITE_P(HangUps, SerialLinkHangUpTest,
                         testing::Values(HangUpCase{"Write", 0, WriteOne},
                                         HangUpCase{"WaitForTheLine", 60, WaitForTheLine},
                                         HangUpCase{"Read", 40, ReadOne}),
                         tqr417::test_support::RowName{});

TEST(SerialLinkOpenTest, RefusesWhatIsNotASerialPort) {
  char path[] = "/tmp/tqr417-not-a-port-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  SerialLink link;
  const Status status = link.OpenDevice(path, 8);
  EXPECT_FALSE(std::filesystem::exists(UucpLock::LockFileOf(path)));  // none left behind
  unlink(path);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("not a serial port"), std::string::npos) << status.message();

  const Status missing = link.OpenDevice("/dev/tqr417-missing", 8);
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("/dev/tqr417-missing"), std::string::npos);
  EXPECT_NE(missing.message().find("there is no such device"), std::string::npos)
      << missing.message();
}

TEST(SerialLinkOpenTest, ComPortChoiceNamesAndDevices) {
  EXPECT_EQ(ComPortFromChoice(0), ComPort::kCom1);
  EXPECT_EQ(ComPortFromChoice(1), ComPort::kCom2);
  EXPECT_EQ(ComPortFromChoice(7), ComPort::kCom2);
  EXPECT_EQ(ComPortFromChoice(-1), ComPort::kCom2);
  EXPECT_EQ(PortName(ComPort::kCom1), "Com1");
  EXPECT_EQ(PortName(ComPort::kCom2), "Com2");

  SerialPortOpener ports("", "/dev/tqr417-second");
  EXPECT_EQ(ports.Device(ComPort::kCom1), "/dev/ttyS0");
  EXPECT_EQ(ports.Device(ComPort::kCom2), "/dev/tqr417-second");
  const OpenedPort opened = ports.Open(ComPort::kCom2, 8);
  EXPECT_EQ(opened.channel, nullptr);
  EXPECT_NE(opened.status.message().find("Com2 (/dev/tqr417-second)"), std::string::npos)
      << opened.status.message();
}

}  // namespace
}  // namespace tqr417
