// new, show, check, frame, unframe: the companion's commands that need no unit.
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "config/field_catalogue.h"
#include "file/safe_file.h"
#include "link/config_frame.h"
#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"

namespace tqr417::cli {

namespace {

// Runs `command` on the configuration the file at `path` holds; kExitError when it cannot be
// read.
int OnFile(const std::string& path, const std::function<int(const UnitConfig&)>& command) {
  UnitConfig config;
  return LoadFile(path, config) ? command(config) : kExitError;
}

std::string ValueText(const FieldInfo& field, const UnitConfig& config, int entry = 0) {
  if (field.ref.IsText()) return "\"" + field.ref.Text(config, entry) + "\"";
  const int value = field.ref.Number(config, entry);
  std::string text = std::to_string(value);
  if (value >= 0 && value < static_cast<int>(field.choiceNames.size())) {
    text += " (" + std::string(field.choiceNames[value]) + ")";
  }
  return text;
}

void PrintSettings(const UnitConfig& config) {
  const char* heading[] = {"Main window", "Setting dialogs"};
  for (FieldGroup group : {FieldGroup::kMainWindow, FieldGroup::kDialog}) {
    std::cout << heading[static_cast<int>(group)] << ":\n";
    for (const FieldInfo* field : AllFields()) {
      if (field->group != group) continue;
      std::string line = "  " + std::string(field->caption) + " (" + std::string(field->name) + ")";
      line.resize(std::max<size_t>(line.size() + 1, 48), ' ');
      line += ValueText(*field, config);
      if (!field->unit.empty()) line += " " + std::string(field->unit);
      std::cout << line << "\n";
    }
  }
}

void PrintTable(const UnitConfig& config) {
  std::cout << "Function table:\n";
  std::printf("  %-5s %-11s %-5s %-11s %-19s %-14s %-10s %s\n", "Entry", "Tone Active", "Relay",
              "Relay Group", "Relay Duration (ms)", "Digital Output", "CTCSS Freq",
              "Use Default CTCSS");
  for (int k = 0; k < kEntryCount; ++k) {
    const FunctionEntry e = config.functionTable.Entry(k);
    std::printf("  %-5s %-11d %-5s %-11d %-19d %-14d %-10d %d\n", FormatEntryLabel(k, 'F').c_str(),
                e.toneActive, e.relay.empty() ? "-" : e.relay.c_str(), e.relayGroup,
                e.relayDurationMs, e.digitalOutput, e.ctcssCode, e.useDefaultCtcss);
  }
}

// Each value that its editing window would not accept, as "field value range" lines.
std::vector<std::string> OutOfRange(const UnitConfig& config) {
  std::vector<std::string> problems;
  for (const FieldInfo* field : AllFields()) {
    const int entries = field->ref.IsTableField() ? kEntryCount : 1;
    for (int e = 0; e < entries; ++e) {
      if (WindowAccepts(*field, config, e)) continue;
      std::string name = std::string(field->name);
      if (field->ref.IsTableField()) name += " " + FormatEntryLabel(e, 'F');
      problems.push_back(name + "  " + ValueText(*field, config, e) +
                         "  (accepted: " + AcceptedRangeText(*field) + ")");
    }
  }
  return problems;
}

void WriteHex(const ConfigFrame& bytes) {
  for (int row = 0; row < FRAME_SIZE; row += 16) {
    std::printf("%04d ", row);
    for (int i = row; i < row + 16 && i < FRAME_SIZE; ++i) std::printf(" %02X", bytes[i]);
    std::printf("\n");
  }
}

}  // namespace

void AddOfflineCommands(CLI::App& app, int& exitCode) {
  static std::string file, frameFile;
  static bool hex = false;

  auto* create = app.add_subcommand(
      "new", "Write the configuration the application holds right after it starts.");
  create->add_option("FILE", file, "configuration file to write (.417)")->required();
  create->callback([&exitCode] { exitCode = SaveFile(file, StartupConfig()); });

  auto* show = app.add_subcommand("show", "Print every setting and the 100 function entries.");
  show->add_option("FILE", file, "configuration file to read")->required();
  show->callback([&exitCode] {
    exitCode = OnFile(file, [](const UnitConfig& config) {
      PrintSettings(config);
      PrintTable(config);
      return kExitOk;
    });
  });

  auto* check = app.add_subcommand(
      "check",
      "List the values that their editing window would not accept. Exit status: 0 none, "
      "1 some, 2 the file cannot be read.");
  check->add_option("FILE", file, "configuration file to check")->required();
  check->callback([&exitCode] {
    exitCode = OnFile(file, [](const UnitConfig& config) {
      const std::vector<std::string> problems = OutOfRange(config);
      for (const std::string& line : problems) std::cout << line << "\n";
      if (problems.empty()) std::cout << "All values are within their ranges.\n";
      return problems.empty() ? kExitOk : kExitNegative;
    });
  });

  auto* frame = app.add_subcommand(
      "frame", "Write the 936 bytes an upload of FILE sends after the command byte.");
  frame->add_option("FILE", file, "configuration file to read")->required();
  frame->add_flag("--hex", hex, "print a hex dump with decimal offsets instead of raw bytes");
  frame->callback([&exitCode] {
    exitCode = OnFile(file, [](const UnitConfig& config) {
      const EncodedFrame encoded = EncodeFrame(config);
      if (hex) {
        WriteHex(encoded.bytes);
      } else {
        std::fwrite(encoded.bytes.data(), 1, FRAME_SIZE, stdout);
      }
      return kExitOk;
    });
  });

  auto* unframe = app.add_subcommand(
      "unframe", "Decode a 936-byte frame and write it as a configuration file.");
  unframe->add_option("FRAME", frameFile, "frame file (936 bytes)")->required();
  unframe->add_option("FILE", file, "configuration file to write")->required();
  unframe->callback([&exitCode] {
    std::string bytes;
    if (const Status read = ReadWholeFile(frameFile, bytes); !read.ok()) {
      std::cerr << read.message() << "\n";
      exitCode = kExitError;
      return;
    }
    if (bytes.size() != FRAME_SIZE) {
      std::cerr << "The frame file \"" << frameFile << "\" holds " << bytes.size()
                << " bytes; a frame is " << FRAME_SIZE << " bytes. Nothing was written.\n";
      exitCode = kExitNegative;
      return;
    }
    const DecodedFrame decoded = DecodeFrame(std::span<const uint8_t, FRAME_SIZE>(
        reinterpret_cast<const uint8_t*>(bytes.data()), FRAME_SIZE));
    if (!decoded.checksumOk()) {
      char detail[96];
      std::snprintf(detail, sizeof detail, "checksum 0x%04X, sum of the data 0x%04X",
                    decoded.receivedChecksum, decoded.computedChecksum);
      std::cerr << "The frame in \"" << frameFile << "\" is damaged (" << detail
                << "). Nothing was written.\n";
      exitCode = kExitNegative;
      return;
    }
    exitCode = SaveFile(file, decoded.config);
  });
}

}  // namespace tqr417::cli
