// send, recv, ports: the companion's transfers with a unit on a serial port.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "link/serial_link.h"
#include "link/serial_port_list.h"
#include "link/transfers.h"
#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"

namespace tqr417::cli {

namespace {

struct PortOptions {
  std::string port = "com1";
  std::string device;

  PortSelection Selection() const {
    if (!device.empty()) return PortSelection::Device(device);
    return PortSelection(port == "com1" ? 0 : 1);
  }
};

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
  int exitCode = kExitError;
  Upload(config, options.Selection(),
         [&](const TransferResult& result) { exitCode = Report(result); });
  return exitCode;
}

int Receive(const std::string& path, const PortOptions& options) {
  UnitConfig config = StartupConfig();
  const TransferResult result = Download(config, options.Selection());
  const int exitCode = Report(result);
  return exitCode == kExitOk ? SaveFile(path, config) : exitCode;
}

int Ports() {
  const std::vector<std::string> devices = ListSerialPorts();
  std::cout << "Serial ports:";
  if (devices.empty()) std::cout << " none";
  std::cout << "\n";
  for (const std::string& device : devices) std::cout << "  " << device << "\n";
  for (int comPort : {0, 1}) {
    const std::string device = SerialLink::DeviceForPort(comPort);
    const char* variable = comPort == 0 ? "TQR417_COM1" : "TQR417_COM2";
    const char* set = std::getenv(variable);
    std::cout << SerialLink::PortName(comPort) << " opens " << device
              << (set != nullptr && *set != '\0' ? std::string(" (from ") + variable + ")" : "")
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
