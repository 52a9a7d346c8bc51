// send, recv, ports: the companion's transfers with a unit on a serial port.
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "link/port_devices.h"
#include "link/serial_port_list.h"
#include "link/serial_port_opener.h"
#include "link/traced_channel.h"
#include "link/transfers.h"
#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"
#include "tools/cli/read_back.h"
#include "tools/cli/unit_transfers.h"

namespace tqr417::cli {

namespace {

// The ports as the application opens them (the variables, else the settings file, else the
// platform's default), or the one device given by --device, which messages then name alone.
SerialPortOpener PortsFor(const PortOptions& options) {
  if (!options.device.empty()) return SerialPortOpener::ForDevice(options.device);
  const ChosenDevices chosen = ChooseDevices(PortSettingsPath(), std::cerr);
  return SerialPortOpener(chosen.com1.device, chosen.com2.device);
}

// The port --port names.
ComPort PortOf(const PortOptions& options) {
  return options.port == "com1" ? ComPort::kCom1 : ComPort::kCom2;
}

// Prints the application's message for the outcome, on standard output for the two OK
// messages and on standard error for the others, followed by the reason when the port did
// not open or the line failed part-way, else by the port and device tried (`label`). Gives
// the exit code: 0 only for the two OK messages, 1 for an upload the unit did not take, 2 when
// the port or the line failed (a download that timed out or came damaged among them).
int Report(const TransferResult& result, const std::string& label) {
  const std::string& after = result.reason.message().empty() ? label : result.reason.message();
  if (Succeeded(result.outcome)) {
    std::cout << MessageFor(result.outcome).text << "\n" << after << "\n";
    return kExitOk;
  }
  std::cerr << MessageFor(result.outcome).text << "\n" << after << "\n";
  const bool unitRefused = result.outcome == TransferOutcome::kUploadRefused && result.reason.ok();
  return unitRefused ? kExitNegative : kExitError;
}

// Runs `transfer` over the ports the options name and tells its outcome. With --trace, the
// trace file is opened first (its failure ends the command before any port is opened), the
// transfer goes through a tracing opener, and the trace ends with the outcome.
int Transfer(const PortOptions& options,
             const std::function<TransferResult(PortOpener&)>& transfer) {
  SerialPortOpener ports = PortsFor(options);
  const std::string label = ports.PortLabel(PortOf(options));
  if (options.tracePath.empty()) return Report(transfer(ports), label);
  LineTrace& trace = *options.trace;
  if (!trace.IsOpen()) {
    if (const Status opened = trace.Open(options.tracePath); !opened.ok()) {
      std::cerr << opened.message() << "\n";
      return kExitError;
    }
  }
  TracingPortOpener traced(ports, trace);
  const TransferResult result = transfer(traced);
  trace.Result(std::string(MessageFor(result.outcome).text));
  const int exitCode = Report(result, label);
  if (trace.WriteFailure().ok()) return exitCode;
  std::cerr << trace.WriteFailure().message() << "\n";
  return kExitError;
}

int Send(const std::string& path, const PortOptions& options, bool verify) {
  ConfigSource file;
  if (!LoadFile(path, file.config)) return kExitError;
  const int sent = UploadToUnit(file.config, options);
  return sent == kExitOk && verify ? ReadBackAndCompare(file, path, options) : sent;
}

int Receive(const std::string& path, const PortOptions& options) {
  UnitConfig config = StartupConfig();
  const int exitCode = DownloadFromUnit(config, options);
  return exitCode == kExitOk ? SaveFile(path, config) : exitCode;
}

// The devices `ports --com1 DEVICE --com2 DEVICE` keeps; empty for one not given.
struct KeptDevices {
  std::string com1;
  std::string com2;
};

// Keeps the devices given in the settings file, the other port's device as the file had it.
int KeepDevices(const KeptDevices& given, const std::string& path) {
  PortSettings settings = ReadPortSettings(path, std::cerr);
  if (!given.com1.empty()) settings.com1 = given.com1;
  if (!given.com2.empty()) settings.com2 = given.com2;
  if (const Status status = WritePortSettings(path, settings); !status.ok()) {
    std::cerr << status.message() << "\n";
    return kExitError;
  }
  std::cout << "Kept in " << path << "\n";
  return kExitOk;
}

std::string SourceOf(const ChosenDevices& chosen, ComPort port) {
  switch (chosen.Of(port).source) {
    case DeviceSource::kVariable:
      return std::string(" (from ") + DeviceVariable(port) + ")";
    case DeviceSource::kSettingsFile:
      return " (from " + chosen.settingsPath + ")";
    case DeviceSource::kDefault:
      break;
  }
  return {};
}

int Ports(const KeptDevices& given) {
  if (!given.com1.empty() || !given.com2.empty()) {
    if (const int kept = KeepDevices(given, PortSettingsPath()); kept != kExitOk) return kept;
  }
  const std::vector<SerialPortInfo> found = DescribeSerialPorts();
  std::cout << "Serial ports:";
  if (found.empty()) std::cout << " none";
  std::cout << "\n";
  for (const SerialPortInfo& port : found) {
    std::cout << "  " << port.device;
    if (!port.stableName.empty()) std::cout << "  " << port.stableName;
    if (!port.description.empty()) std::cout << "  " << port.description;
    if (!port.hasHardware) std::cout << "  (no serial port behind it)";
    std::cout << "\n";
  }
  const ChosenDevices chosen = ChooseDevices(PortSettingsPath(), std::cerr);
  const SerialPortOpener ports(chosen.com1.device, chosen.com2.device);
  for (ComPort port : {ComPort::kCom1, ComPort::kCom2}) {
    const std::string& device = ports.Device(port);
    std::cout << PortName(port) << " opens " << device << SourceOf(chosen, port)
              << (SerialPortPresent(device) ? "" : " (not present)") << "\n";
  }
  return kExitOk;
}

}  // namespace

void AddPortOptions(CLI::App& command, PortOptions& options) {
  CLI::Option* port =
      command.add_option("--port", options.port, "Com1 or Com2, as the application chooses")
          ->transform(CLI::IsMember({"com1", "com2"}, CLI::ignore_case))
          ->capture_default_str();
  command.add_option("--device", options.device, "Serial device to use instead of a Com port")
      ->excludes(port);
  command
      .add_option("--trace", options.tracePath,
                  "Write what goes over the line to this file, one line per event (the "
                  "manual page gives the format)")
      ->option_text("PATH");
}

int UploadToUnit(const UnitConfig& config, const PortOptions& options) {
  return Transfer(options, [&config, &options](PortOpener& ports) {
    return Upload(config, ports, PortOf(options));
  });
}

int DownloadFromUnit(UnitConfig& config, const PortOptions& options) {
  return Transfer(options, [&config, &options](PortOpener& ports) {
    return Download(config, ports, PortOf(options));
  });
}

void AddLinkCommands(CLI::App& app, int& exitCode) {
  // The options live as long as the App: static storage, one set per subcommand.
  static PortOptions sendOptions;
  static PortOptions recvOptions;
  static std::string sendPath;
  static std::string recvPath;
  static bool sendVerify = false;

  CLI::App* send = app.add_subcommand("send", "Upload a .417 file to the unit");
  send->add_option("FILE", sendPath, "Configuration file to send")->required();
  AddPortOptions(*send, sendOptions);
  send->add_flag("--verify", sendVerify,
                 "After the unit has accepted the file, read its configuration back and list "
                 "every difference (exit 1 when there is one)");
  send->callback([&exitCode] { exitCode = Send(sendPath, sendOptions, sendVerify); });

  CLI::App* recv = app.add_subcommand("recv", "Download the unit's configuration to a .417 file");
  recv->add_option("FILE", recvPath, "File to write; written only for an intact frame")->required();
  AddForceFlag(*recv);
  AddPortOptions(*recv, recvOptions);
  recv->callback([&exitCode] { exitCode = Receive(recvPath, recvOptions); });

  static KeptDevices keptDevices;
  CLI::App* ports = app.add_subcommand(
      "ports", "List the serial ports, with what identifies each, and what Com1 and Com2 open");
  ports
      ->add_option("--com1", keptDevices.com1,
                   "Keep DEVICE as what Com1 opens, for the application and this tool")
      ->option_text("DEVICE");
  ports->add_option("--com2", keptDevices.com2, "Keep DEVICE as what Com2 opens")
      ->option_text("DEVICE");
  ports->callback([&exitCode] { exitCode = Ports(keptDevices); });
}

}  // namespace tqr417::cli
