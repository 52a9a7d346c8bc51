#include "link/termios_settings.h"

#include <utility>

namespace tqr417 {

namespace {

struct FlagName {
  tcflag_t flag;
  const char* name;
};

// Input, local and output flags that must be off for the line to be raw.
constexpr FlagName kInputFlagsOff[] = {
    {IGNBRK, "IGNBRK"}, {BRKINT, "BRKINT"}, {PARMRK, "PARMRK"}, {ISTRIP, "ISTRIP"},
    {INLCR, "INLCR"},   {IGNCR, "IGNCR"},   {ICRNL, "ICRNL"},   {IXON, "IXON"},
    {IXOFF, "IXOFF"},   {IXANY, "IXANY"},   {INPCK, "INPCK"},
};
constexpr FlagName kLocalFlagsOff[] = {
    {ECHO, "ECHO"}, {ECHONL, "ECHONL"}, {ICANON, "ICANON"}, {ISIG, "ISIG"}, {IEXTEN, "IEXTEN"},
};
constexpr FlagName kControlFlagsOff[] = {
    {PARENB, "PARENB"},
    {CSTOPB, "CSTOPB"},
    {CRTSCTS, "CRTSCTS"},
};

void Append(std::string& text, const std::string& item) {
  if (!text.empty()) text += ", ";
  text += item;
}

std::string SpeedText(speed_t speed) {
  static constexpr std::pair<speed_t, const char*> kSpeeds[] = {
      {B0, "0"},       {B300, "300"},     {B1200, "1200"},   {B2400, "2400"},   {B4800, "4800"},
      {B9600, "9600"}, {B19200, "19200"}, {B38400, "38400"}, {B57600, "57600"}, {B115200, "115200"},
  };
  for (const auto& [value, text] : kSpeeds) {
    if (value == speed) return text;
  }
  return "code " + std::to_string(static_cast<unsigned>(speed));
}

}  // namespace

void MakeUnitLineSettings(termios& settings) {
  cfmakeraw(&settings);
  for (const FlagName& f : kInputFlagsOff) settings.c_iflag &= ~f.flag;
  for (const FlagName& f : kLocalFlagsOff) settings.c_lflag &= ~f.flag;
  for (const FlagName& f : kControlFlagsOff) settings.c_cflag &= ~f.flag;
  settings.c_oflag &= ~OPOST;
  settings.c_cflag &= ~CSIZE;
  settings.c_cflag |= CS8 | CLOCAL | CREAD;
  cfsetispeed(&settings, B4800);
  cfsetospeed(&settings, B4800);
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
}

std::string LineSettingsMismatch(const termios& settings) {
  std::string problems;
  if (cfgetospeed(&settings) != B4800)
    Append(problems, "speed " + SpeedText(cfgetospeed(&settings)));
  if (cfgetispeed(&settings) != B4800 && cfgetispeed(&settings) != B0) {
    Append(problems, "input speed " + SpeedText(cfgetispeed(&settings)));
  }
  if ((settings.c_cflag & CSIZE) != CS8) Append(problems, "not 8 data bits");
  for (const FlagName& f : kControlFlagsOff) {
    if (settings.c_cflag & f.flag) Append(problems, std::string(f.name) + " on");
  }
  for (const FlagName& f : kInputFlagsOff) {
    if (settings.c_iflag & f.flag) Append(problems, std::string(f.name) + " on");
  }
  for (const FlagName& f : kLocalFlagsOff) {
    if (settings.c_lflag & f.flag) Append(problems, std::string(f.name) + " on");
  }
  if (!(settings.c_cflag & CREAD)) Append(problems, "CREAD off");
  if (settings.c_oflag & OPOST) Append(problems, "OPOST on");
  return problems;
}

std::string DescribeLineSettings(const termios& settings) {
  static constexpr std::pair<tcflag_t, const char*> kSizes[] = {
      {CS5, "5"}, {CS6, "6"}, {CS7, "7"}, {CS8, "8"}};
  std::string bits = "?";
  for (const auto& [size, text] : kSizes) {
    if ((settings.c_cflag & CSIZE) == size) bits = text;
  }
  const char* parity = !(settings.c_cflag & PARENB)  ? "no parity"
                       : (settings.c_cflag & PARODD) ? "odd parity"
                                                     : "even parity";
  std::string text = SpeedText(cfgetospeed(&settings)) + " baud, " + bits + " data bits, " +
                     parity + ", " + ((settings.c_cflag & CSTOPB) ? "2 stop bits" : "1 stop bit");
  const std::string mismatch = LineSettingsMismatch(settings);
  return text + (mismatch.empty() ? ", raw" : "; not the unit's line: " + mismatch);
}

}  // namespace tqr417
