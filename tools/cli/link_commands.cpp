// send, recv, ports: the companion's transfers with a unit on a serial port.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "link/serial_port_list.h"
#include "link/serial_port_opener.h"
#include "link/transfers.h"
#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"

namespace tqr417::cli {

namespace {

struct PortOptions {
  std::string port = "com1";
  std::string device;

  ComPort Port() const { return port == "com1" ? ComPort::kCom1 : ComPort::kCom2; }
};

// The variable that names the device of a port, as for the application.
const char* DeviceVariable(ComPort port) {
  return port == ComPort::kCom1 ? "TQR417_COM1" : "TQR417_COM2";
}

// The device the environment gives `port`; empty when it gives none.
std::string DeviceFromEnvironment(ComPort port) {
  const char* value = std::getenv(DeviceVariable(port));
  return value == nullptr ? std::string() : std::string(value);
}

// The ports as the application opens them (the environment, else the platform's default), or
// the one device given by --device, which messages then name alone.
SerialPortOpener PortsFor(const PortOptions& options) {
  if (!options.device.empty()) return SerialPortOpener::ForDevice(options.device);
  return SerialPortOpener(DeviceFromEnvironment(ComPort::kCom1),
                          DeviceFromEnvironment(ComPort::kCom2));
}

void AddPortOptions(CLI::App& command, PortOptions& options) {
  CLI::Option* port =
      command.add_option("--port", options.port, "Com1 or Com2, as the application chooses")
          ->transform(CLI::IsMember({"com1", "com2"}, CLI::ignore_case))
          ->capture_default_str();
  command.add_option("--device", options.device, "Serial device to use instead of a Com port")
      ->excludes(port);
}

// Prints the application's message for the outcome, on standard output for the two OK
// messages and on standard error for the others, followed by the reason when the port did
// not open or the line failed part-way. Gives the exit code: 0 only for the two OK messages,
// 2 when the port failed, 1 for the unit's negative answers.
int Report(const TransferResult& result) {
  if (Succeeded(result.outcome)) {
    std::cout << MessageFor(result.outcome).text << "\n";
    return kExitOk;
  }
  std::cerr << MessageFor(result.outcome).text << "\n";
  if (result.reason.ok()) return kExitNegative;
  std::cerr << result.reason.message() << "\n";
  return kExitError;
}

int Send(const std::string& path, const PortOptions& options) {
  UnitConfig config;
  if (!LoadFile(path, config)) return kExitError;
  SerialPortOpener ports = PortsFor(options);
  return Report(Upload(config, ports, options.Port()));
}

int Receive(const std::string& path, const PortOptions& options) {
  UnitConfig config = StartupConfig();
  SerialPortOpener ports = PortsFor(options);
  const TransferResult result = Download(config, ports, options.Port());
  const int exitCode = Report(result);
  return exitCode == kExitOk ? SaveFile(path, config) : exitCode;
}

int Ports() {
  const std::vector<std::string> devices = ListSerialPorts();
  std::cout << "Serial ports:";
  if (devices.empty()) std::cout << " none";
  std::cout << "\n";
  for (const std::string& device : devices) std::cout << "  " << device << "\n";
  const SerialPortOpener ports = PortsFor(PortOptions{});
  for (ComPort port : {ComPort::kCom1, ComPort::kCom2}) {
    const std::string& device = ports.Device(port);
    const bool fromEnvironment = !DeviceFromEnvironment(port).empty();
    std::cout << PortName(port) << " opens " << device
              << (fromEnvironment ? std::string(" (from ") + DeviceVariable(port) + ")" : "")
              << (SerialPortPresent(device) ? "" : " (not present)") << "\n";
  }
  return kExitOk;
}

}  // namespace

void AddLinkCommands(CLI::App& app, int& exitCode) {
  // The options live as long as the App: static storage, one set per subcommand.
  static PortOptions sendOptions;
  static PortOptions recvOptions;
  static std::string sendPath;
  static std::string recvPath;

  CLI::App* send = app.add_subcommand("send", "Upload a .417 file to the unit");
  send->add_option("FILE", sendPath, "Configuration file to send")->required();
  AddPortOptions(*send, sendOptions);
  send->callback([&exitCode] { exitCode = Send(sendPath, sendOptions); });

  CLI::App* recv = app.add_subcommand("recv", "Download the unit's configuration to a .417 file");
  recv->add_option("FILE", recvPath, "File to write; written only for an intact frame")->required();
  AddPortOptions(*recv, recvOptions);
  recv->callback([&exitCode] { exitCode = Receive(recvPath, recvOptions); });

  CLI::App* ports =
      app.add_subcommand("ports", "List the serial devices and what Com1 and Com2 open");
  ports->callback([&exitCode] { exitCode = Ports(); });
}

}  // namespace tqr417::cli
