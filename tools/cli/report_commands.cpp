// report: the configuration sheet of a .417 file, as text or as a page for printing.
#include <algorithm>
#include <cctype>
#include <ctime>
#include <string>

#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"
#include "tools/cli/config_sheet.h"
#include "tools/cli/console_edge.h"
#include "tools/cli/sheet_writers.h"

namespace tqr417::cli {

namespace {

struct ReportOptions {
  std::string file;
  std::string outputPath;
  std::string format;  // "html", "text", or empty: chosen by where the sheet goes
  bool dated = false;
  std::string date;  // as given; today's when --date came without one
};

bool EndsWithHtml(std::string path) {
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const std::string ending : {".html", ".htm"}) {
    if (path.size() >= ending.size() &&
        path.compare(path.size() - ending.size(), ending.size(), ending) == 0) {
      return true;
    }
  }
  return false;
}

// HTML unless asked for text, written to a file not named .html, or shown on a terminal.
bool AsHtml(const ReportOptions& options) {
  if (!options.format.empty()) return options.format == "html";
  if (!options.outputPath.empty()) return EndsWithHtml(options.outputPath);
  return !StandardOutputIsTerminal();
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  char text[16] = "";
  if (const std::tm* local = std::localtime(&now)) {
    std::strftime(text, sizeof text, "%Y-%m-%d", local);
  }
  return text;
}

int Report(const ReportOptions& options) {
  UnitConfig config;
  if (!LoadFile(options.file, config)) return kExitError;
  const std::string date = options.dated && options.date.empty() ? Today() : options.date;
  const ConfigSheet sheet = MakeConfigSheet(config, options.file, date);
  return WriteResult(options.outputPath, AsHtml(options) ? SheetAsHtml(sheet) : SheetAsText(sheet));
}

}  // namespace

void AddReportCommands(CLI::App& app, int& exitCode) {
  static ReportOptions options;
  auto* report = app.add_subcommand(
      "report",
      "Write the configuration sheet of FILE: its name, the checksum an upload of it sends, "
      "every setting as its window shows it (values a window would not accept marked as check "
      "words them) and the 100 function entries. HTML, one page for printing, unless asked "
      "for text, written to a file not named .html, or shown on a terminal.");
  report->add_option("FILE", options.file, "configuration file to read")->required();
  report->add_option("--output", options.outputPath, "write the sheet to this file instead")
      ->option_text("PATH");
  AddForceFlag(*report);
  report->add_option("--format", options.format, "html or text")
      ->transform(CLI::IsMember({"html", "text"}, CLI::ignore_case))
      ->option_text("html|text");
  CLI::Option* date =
      report->add_option("--date", options.date, "print this date, or today's when none is given")
          ->expected(0, 1)
          ->option_text("[DATE]");
  report->callback([&exitCode, date] {
    options.dated = date->count() > 0;
    exitCode = Report(options);
  });
}

}  // namespace tqr417::cli
