// report: the configuration sheet of the start-up file and of a file of unusual values, as
// text and as a page read back with Python's HTML parser.
#include <climits>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "config/defaults.h"
#include "config/field_catalogue.h"
#include "file/config_file.h"
#include "tests/tools/cli_test_support.h"

namespace tqr417 {
namespace {

// The settings of the start-up file as the sheet lists them: the main window, then the
// dialogs in the order of their buttons, each field where its window shows it.
constexpr const char* kStartupSettings = R"(TQR-417 configuration sheet

File:            a.417
Frame checksum:  0xCF75 (sent with an upload of this file: what the unit will hold)

Main window (window "TQR-417 Configuration Application")
  Function Tone Mode         Single
  CTCSS Tone                 PTT Only
  Line DTMF Decoder Disable  off
  PTT Frequency              "2175" Hz
  Audio Loopback Enabled     off
  Repeater Mode              off
  Revert to R1               off
  PTT Tone Only              off
  PTT Relay Options          No Additional Relays
  MON Relay Options          Reset on PTT
  MON Relay Momentary Time   0 ms
  Error Beeps Enabled        on

Dig5 Setup (window "Dig5 Input Tone Setup")
  Enable Tone on Dig5 Input  off
  Dig5 Active High           on
  Dig5 R1                    off
  Dig5 R2                    off
  Dig5 Tone Frequency        2175 Hz
  Dig5 Tone Level            -20 dBm
  Dig5 Tone On Time          0 ms
  Dig5 Tone Off Time         0 ms

Dig4 Setup (window "Dig4 Input COR Setup")
  Enable Dig4 as COR Input   off
  Dig4 Active High           off
  Dig4 R1                    off
  Dig4 R2                    off
  RX Mute on Input           off
  Revert to F1 on Timer      off
  Revert to F1 Time          0 s

DUZO Mode (window "Dialog"); its button is hidden in the main window
  VOX Trigger Level          -10 dBm
  VOX Timeout                120 s
  Call Timeout               600 min
    ! not accepted by its window: callTimeoutMin  600  (accepted: 0 to 180)
  Always Send Hold Tone      off
  Phone Interface Installed  off

Set Gains (window "TQR-417 Gain Settings")
  Handset Sidetone Gain      0
  Radio TX Gain              0
  Line TX Gain               0
  CTCSS Gain                 0

Morse Code (window "Morse Code Encoder Setup")
  Auto Transmit Options      Timer Interval
  Morse Timer Interval       0 min
  Morse Code Frequency       1200 Hz
  Morse Code Gain            -10 dBm
  Morse Code String          ""

TX Filters (window "TX Audio Parameters")
  AGC                        off
  Add CTCSS to TX            off
  Pre-Emphasize Audio        off
  3.5kHz Low Pass Filter     off

Function table
)";

// 50 characters that markup and terminals take for their own: markup, quotes, a control
// character and bytes above 127.
const std::string kOddMorse =
    "<b>&amp;\"Q\\\x01\x7F\xE9\xFF\xA0<!--" + std::string(27, 'W') + "-->";

// Every number at an end of the range of int, choices and flags too; every relay label of
// an odd entry full of markup and 8-bit bytes.
UnitConfig UnusualConfig() {
  UnitConfig config = StartupConfig();
  int n = 0;
  for (const FieldInfo* field : AllFields()) {
    for (int e = 0; e < (field->ref.IsTableField() ? kEntryCount : 1); ++e) {
      if (!field->ref.IsText()) field->ref.Number(config, e) = n++ % 2 ? INT_MAX : INT_MIN;
    }
  }
  config.dialog.morseText = kOddMorse;
  config.main.pttFrequency = "-2147483648";
  for (int e = 1; e < kEntryCount; e += 2) config.functionTable.relay[e] = "R<&>\xE9";
  config.functionTable.relay[99] = "R" + std::string(40, '\xFF');
  return config;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The text sheet's settings, caption to the value and unit, continued lines joined.
std::map<std::string, std::string> TextSettings(const std::string& sheet) {
  std::map<std::string, std::string> settings;
  std::string* last = nullptr;
  size_t valueColumn = 0;
  for (const std::string& line : Lines(sheet)) {
    if (line == "Function table") break;
    if (line.size() > 2 && line.compare(0, 2, "  ") == 0 && line[2] != ' ') {
      const size_t gap = line.find("  ", 2);
      valueColumn = line.find_first_not_of(' ', gap);
      last = &settings[line.substr(2, gap - 2)];
      *last = line.substr(valueColumn);
    } else if (last != nullptr && line.size() > valueColumn &&
               line.find_first_not_of(' ') == valueColumn) {
      *last += line.substr(valueColumn);
    } else {
      last = nullptr;
    }
  }
  return settings;
}

// A text of the configuration as a browser shows the page's: each byte the character of the
// same number, in UTF-8; a control character as \xNN.
std::string AsShownOnThePage(const std::string& text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    char escape[8];
    if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    } else if (byte >= 0x80) {
      shown += static_cast<char>(0xC0 | byte >> 6);
      shown += static_cast<char>(0x80 | (byte & 0x3F));
    } else {
      shown += c;
    }
  }
  return shown;
}

// A text of the configuration as show gives it on a terminal: a quote or a backslash after a
// backslash, a byte outside printable ASCII as \xNN.
std::string AsShownOnATerminal(const std::string& text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    char escape[8];
    if (c == '"' || c == '\\') {
      shown += std::string("\\") + c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    } else {
      shown += c;
    }
  }
  return shown;
}

// What a field's row shows of its value: the number, or the text between quotes.
std::string ExpectedValue(const FieldInfo& field, const UnitConfig& config, bool page) {
  if (!field.ref.IsText()) return std::to_string(field.ref.Number(config));
  const std::string& text = field.ref.Text(config);
  return "\"" + (page ? AsShownOnThePage(text) : AsShownOnATerminal(text)) + "\"";
}

class CliReportTest : public CliTest {
 protected:
  // The page at `path` as Python's HTML parser reads it.
  nlohmann::json ReadPage(const std::string& path) {
    FILE* pipe =
        popen((std::string(TQR417_PYTHON) + " " + TQR417_SHEET_READER + " " + path).c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << out;
    return nlohmann::json::parse(out, nullptr, false);
  }

  void ExpectWithinTheWidth(const std::string& text) {
    for (const std::string& line : Lines(text)) EXPECT_LE(line.size(), 100u) << line;
  }
};

TEST_F(CliReportTest, StartupSheetListsEverySettingAsItsWindowShowsIt) {
  ASSERT_EQ(Cli("new a.417").exitCode, 0);
  const CliRun text = Cli("report a.417 --format text");
  ASSERT_EQ(text.exitCode, 0) << Err();
  EXPECT_EQ(text.out.substr(0, std::string(kStartupSettings).size()), kStartupSettings);
  EXPECT_NE(text.out.find("\n  F00          on                  1            0            0"
                          "            0           off\n"),
            std::string::npos);
  EXPECT_NE(text.out.find("\n  F99          on                  1            0            35"),
            std::string::npos);
  ExpectWithinTheWidth(text.out);
  EXPECT_EQ(Cli("report a.417 --format text").out, text.out) << "the same bytes every time";

  ASSERT_EQ(Cli("report a.417 --output a.html").exitCode, 0) << Err();
  const nlohmann::json page = ReadPage(Path("a.html"));
  EXPECT_EQ(page["problems"], nlohmann::json::array());
  std::map<std::string, std::vector<std::string>> rows;
  for (const auto& row : page["rows"]) rows[row[0]] = row.get<std::vector<std::string>>();
  EXPECT_EQ(rows["Call Timeout"],
            (std::vector<std::string>{"Call Timeout", "600", "min",
                                      "callTimeoutMin  600  (accepted: 0 to 180)"}));
  EXPECT_EQ(rows["Auto Transmit Options"][1], "Timer Interval");
  EXPECT_EQ(rows["Morse Code String"][1], "\"\"");
  EXPECT_EQ(rows["Function Tone"],
            (std::vector<std::string>{"Function Tone", "Tone Active", "Relay", "Relay Group",
                                      "Relay Duration (ms)", "Digital Ouptut", "CTCSS Freq",
                                      "Use Default CTCSS"}));
  EXPECT_EQ(rows["F64"], (std::vector<std::string>{"F64", "on", "", "1", "0", "0", "0", "off"}));
}

TEST_F(CliReportTest, UnusualValuesComeOutWholeAndEscaped) {
  const UnitConfig config = UnusualConfig();
  ASSERT_TRUE(SaveConfigFile(Path("odd.417"), config).ok());
  UnitConfig loaded;
  ASSERT_TRUE(LoadConfigFile(Path("odd.417"), loaded).ok());
  ASSERT_EQ(loaded, config) << "the file must hold every unusual value";
  const CliRun check = Cli("check odd.417");
  ASSERT_EQ(check.exitCode, 1);

  const CliRun text = Cli("report odd.417 --format text");
  ASSERT_EQ(text.exitCode, 0) << Err();
  ExpectWithinTheWidth(text.out);
  const std::map<std::string, std::string> shown = TextSettings(text.out);
  ASSERT_EQ(Cli("report odd.417 --output odd.html").exitCode, 0) << Err();
  const nlohmann::json page = ReadPage(Path("odd.html"));
  EXPECT_EQ(page["problems"], nlohmann::json::array()) << page["problems"];
  const std::set<std::string> allowed = {
      "body",  "h1",    "h2",    "head", "header", "html",  "li",    "meta", "p", "section",
      "style", "table", "tbody", "td",   "th",     "thead", "title", "tr",   "ul"};
  for (const std::string tag : page["tags"]) EXPECT_TRUE(allowed.contains(tag)) << tag;
  std::map<std::string, std::vector<std::string>> rows;
  for (const auto& row : page["rows"]) rows[row[0]] = row.get<std::vector<std::string>>();

  for (const FieldInfo* field : AllFields()) {
    if (field->ref.IsTableField()) continue;
    SCOPED_TRACE(field->name);
    std::string value = ExpectedValue(*field, config, false);
    if (!field->unit.empty()) value += " " + std::string(field->unit);
    EXPECT_EQ(shown.at(std::string(field->caption)), value);
    const std::vector<std::string>& row = rows[std::string(field->caption)];
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(row[1], ExpectedValue(*field, config, true));
    EXPECT_EQ(row[2], field->unit);
  }
  // Every value check lists is marked, in check's words, on both.
  for (const std::string& line : Lines(check.out)) {
    EXPECT_NE(text.out.find(line.substr(0, 60)), std::string::npos) << line;
    EXPECT_NE(page.dump().find(nlohmann::json(line).dump()), std::string::npos) << line;
  }
  EXPECT_EQ(rows["F01"][2], "R<&>\xC3\xA9");
  EXPECT_EQ(rows["F01"][4], std::to_string(config.functionTable.relayDurationMs[1]) + " !");
  EXPECT_EQ(rows["F99"][2], AsShownOnThePage(config.functionTable.relay[99]));
  // A relay label too wide for its column is given whole below the table.
  EXPECT_NE(text.out.find("F99 Relay: \"R\\xFF\\xFF"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Report, CliCommandTest,
    testing::Values(
        CommandCase{"ReportAsTextOnRequest",
                    "report b.417 --format text",
                    0,
                    {"TQR-417 configuration sheet\n", "  Morse Code String          \"CQ DE\"\n",
                     "  MON Relay Options          Momentary\n"},
                    -1,
                    ""},
        CommandCase{"ReportAsHtmlThroughAPipe", "report b.417", 0, {"<!DOCTYPE html>\n"}, -1, ""},
        CommandCase{"ReportDatedOnRequest",
                    "report b.417 --format text --date 2024-05-01",
                    0,
                    {"\nDate:            2024-05-01\n"},
                    -1,
                    ""},
        CommandCase{"ReportOfAMissingFile", "report missing.417", 2, {}, 0, "missing.417"},
        CommandCase{
            "ReportIntoAMissingFolder", "report b.417 --output no/b.html", 2, {}, 0, "no/b.html"}),
    tqr417::test_support::RowName{});

TEST_F(CliFilesTest, ReportChoosesItsLayoutByTheOutputsName) {
  ASSERT_EQ(Cli("report b.417 --output b.html").exitCode, 0) << Err();
  ASSERT_EQ(Cli("report b.417 --output b.txt").exitCode, 0) << Err();
  ASSERT_EQ(Cli("report b.417 --output b.txt.htm --format text").exitCode, 0) << Err();
  EXPECT_EQ(Slurp(Path("b.html")), Cli("report b.417 --format html").out);
  EXPECT_EQ(Slurp(Path("b.txt")), Cli("report b.417 --format text").out);
  EXPECT_EQ(Slurp(Path("b.txt.htm")), Slurp(Path("b.txt")));
  EXPECT_EQ(Cli("report b.417 --format text").out.find("Date:"), std::string::npos);
}

}  // namespace
}  // namespace tqr417
