// new, show, check, frame, unframe: the companion's commands that need no unit.
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "config/field_catalogue.h"
#include "link/config_frame.h"
#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"
#include "tools/cli/config_sources.h"
#include "tools/cli/console_edge.h"
#include "tools/cli/field_words.h"

namespace tqr417::cli {

namespace {

// Runs `command` on the configuration the file at `path` holds; kExitError when it cannot be
// read.
int OnFile(const std::string& path, const std::function<int(const UnitConfig&)>& command) {
  UnitConfig config;
  return LoadFile(path, config) ? command(config) : kExitError;
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

std::string HexDump(const ConfigFrame& bytes) {
  std::string dump;
  char text[16];
  for (int row = 0; row < FRAME_SIZE; row += 16) {
    std::snprintf(text, sizeof text, "%04d ", row);
    dump += text;
    for (int i = row; i < row + 16 && i < FRAME_SIZE; ++i) {
      std::snprintf(text, sizeof text, " %02X", bytes[i]);
      dump += text;
    }
    dump += "\n";
  }
  return dump;
}

// Writes the frame of `config`, raw or as a hex dump, to `outputPath` or standard output.
int WriteFrame(const UnitConfig& config, bool hex, const std::string& outputPath) {
  const ConfigFrame bytes = EncodeFrame(config).bytes;
  if (hex) return WriteResult(outputPath, HexDump(bytes));
  if (outputPath.empty() && !SetBinaryStandardOutput()) {
    std::cerr << "Cannot write the frame to standard output unchanged (it cannot be put in "
                 "binary mode); name a file with --output instead.\n";
    return kExitError;
  }
  return WriteResult(outputPath, std::string(bytes.begin(), bytes.end()));
}

}  // namespace

void AddOfflineCommands(CLI::App& app, int& exitCode) {
  static std::string file, frameFile, outputPath;
  static bool hex = false;

  auto* create = app.add_subcommand(
      "new", "Write the configuration the application holds right after it starts.");
  create->add_option("FILE", file, "configuration file to write (.417)")->required();
  AddForceFlag(*create);
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
  frame->add_option("--output", outputPath, "write the frame to this file instead")
      ->option_text("PATH");
  AddForceFlag(*frame);
  frame->callback([&exitCode] {
    exitCode =
        OnFile(file, [](const UnitConfig& config) { return WriteFrame(config, hex, outputPath); });
  });

  auto* unframe = app.add_subcommand(
      "unframe",
      "Decode a 936-byte frame and write it as a configuration file; a damaged frame is "
      "refused (exit 2) and nothing is written.");
  unframe->add_option("FRAME", frameFile, "frame file (936 bytes)")->required();
  unframe->add_option("FILE", file, "configuration file to write")->required();
  AddForceFlag(*unframe);
  unframe->callback([&exitCode] {
    UnitConfig decoded;
    if (const Status read = ReadFrameFile(frameFile, decoded); !read.ok()) {
      std::cerr << read.message();
      if (read.code() != StatusCode::kIoError) std::cerr << " Nothing was written.";
      std::cerr << "\n";
      exitCode = kExitError;  // a frame file that cannot be read or is damaged
      return;
    }
    exitCode = SaveFile(file, decoded);
  });
}

}  // namespace tqr417::cli
