// export, import, get and set: a configuration kept and edited as data.
#include <climits>
#include <nlohmann/json.hpp>

#include "config/defaults.h"
#include "file/config_file.h"
#include "tests/tools/cli_test_support.h"

namespace tqr417 {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Data, CliCommandTest,
    testing::Values(
        CommandCase{"GetSetting", "get b.417 morseFreq", 0, {"1200\n"}, 1, ""},
        CommandCase{"GetEntryField", "get b.417 relayDurationMs F05", 0, {"300\n"}, 1, ""},
        CommandCase{"GetText", "get b.417 morseText", 0, {"CQ DE\n"}, 1, ""},
        CommandCase{"GetEntryFieldWithoutEntry",
                    "get b.417 relayDurationMs",
                    1,
                    {},
                    0,
                    "relayDurationMs is a field of the function table: name its entry"},
        CommandCase{"GetSettingWithAnEntry", "get b.417 morseFreq F05", 1, {}, 0, "takes no entry"},
        CommandCase{"GetUnknownName",
                    "get b.417 morseFrequency",
                    1,
                    {},
                    0,
                    "\"morseFrequency\" is not the name of a field"},
        CommandCase{"GetMissingFile", "get missing.417 morseFreq", 2, {}, 0, "missing.417"},
        CommandCase{
            "SetListsEachChange",
            "set b.417 relay=R02 relayGroup=4 morseGain=-40 --entry F99",
            0,
            {"morseGain: -10 dBm -> -40 dBm  [Morse Code Gain]\n",
             "relay F99: \"\" -> \"R02\"  [Relay]\n", "relayGroup F99: 1 -> 4  [Relay Group]\n"},
            3,
            ""},
        CommandCase{"SetRefusesWhatTheWindowRefuses",
                    "set b.417 morseGain=6",
                    1,
                    {},
                    0,
                    "morseGain  6  (accepted: -40 to 5): its editing window would not accept it",
                    "b.417"},
        CommandCase{"SetForcesWhatTheWindowRefuses",
                    "set b.417 morseGain=6 --force",
                    0,
                    {"morseGain: -10 dBm -> 6 dBm"},
                    1,
                    ""},
        CommandCase{"SetRefusesAllWhenOneIsRefused",
                    "set b.417 morseFreq=1000 relayGroup=two --entry F05",
                    1,
                    {},
                    0,
                    "relayGroup F05: \"two\" is not a whole number",
                    "b.417"},
        CommandCase{"SetRefusesANumberTheFileCannotHold",
                    "set b.417 dig5OnMs=2147483648",
                    1,
                    {},
                    0,
                    "dig5OnMs: \"2147483648\" is not a whole number",
                    "b.417"},
        CommandCase{"SetRefusesARelayWithABlank",
                    "set b.417 'relay=R 2' --entry F05",
                    1,
                    {},
                    0,
                    "relay F05: \"R 2\" holds white space",
                    "b.417"},
        CommandCase{"SetRefusesTheRelayWordNone",
                    "set b.417 relay=none --entry F05",
                    1,
                    {},
                    0,
                    "would come back empty",
                    "b.417"},
        CommandCase{"SetRefusesAMorseTextOfFiftyOne",
                    "set b.417 morseText=ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJK",
                    1,
                    {},
                    0,
                    "holds 51 characters",
                    "b.417"},
        CommandCase{"SetRefusesALeadingBlank",
                    "set b.417 'morseText= CQ'",
                    1,
                    {},
                    0,
                    "begins with white space",
                    "b.417"},
        CommandCase{"SetRefusesAFrequencyThatIsNoNumber",
                    "set b.417 'pttFrequency=2175 Hz'",
                    1,
                    {},
                    0,
                    "the number 2175",
                    "b.417"},
        CommandCase{"SetRefusesAnEntryFieldWithoutEntry",
                    "set b.417 relayGroup=2",
                    1,
                    {},
                    0,
                    "name its entry",
                    "b.417"},
        CommandCase{"SetRefusesAnEntryThatIsNoLabel",
                    "set b.417 morseFreq=1000 --entry F5",
                    1,
                    {},
                    0,
                    "--entry \"F5\" is not an entry",
                    "b.417"},
        CommandCase{"SetRefusesAnUnknownName",
                    "set b.417 colour=red",
                    1,
                    {},
                    0,
                    "\"colour\" is not the name of a field",
                    "b.417"},
        CommandCase{
            "ExportNamesEveryFieldAndTheTable",
            "export b.417",
            0,
            {"{\n  \"toneMode\": 0,\n", "  \"morseText\": \"CQ DE\",\n", "  \"functionTable\": [\n",
             "\n    {\"toneActive\":1,\"relay\":\"\",\"relayGroup\":1,\"relayDurationMs\":300,"
             "\"digitalOutput\":5,\"ctcssCode\":0,\"useDefaultCtcss\":0},\n",
             "\"useDefaultCtcss\":0}\n  ]\n}\n"},
            149,
            ""},
        CommandCase{"ExportMissingFile", "export missing.417", 2, {}, 0, "missing.417"}),
    test_support::RowName{});

// Import refuses a JSON file it cannot take whole: exit 1, a message naming the field, and
// the existing .417 file left byte for byte. Each row changes the export of b.417 by one
// JSON patch, or replaces it by `raw`.
struct ImportRefusal {
  const char* description;
  const char* patch;
  const char* message;
  const char* raw = nullptr;
  const char* options = "";
};

class CliImportRefusalTest : public CliFilesTest,
                             public testing::WithParamInterface<ImportRefusal> {};

TEST_P(CliImportRefusalTest, RefusesNamingTheFieldAndWritesNothing) {
  const ImportRefusal& row = GetParam();
  const CliRun exported = Cli("export b.417");
  ASSERT_EQ(exported.exitCode, 0);
  std::string json = row.raw != nullptr ? row.raw
                                        : nlohmann::ordered_json::parse(exported.out)
                                              .patch(nlohmann::ordered_json::parse(row.patch))
                                              .dump();
  std::ofstream(Path("x.json"), std::ios::binary) << json;
  const std::string before = Slurp(Path("a.417"));
  EXPECT_EQ(Cli("import x.json a.417 " + std::string(row.options)).exitCode, 1);
  EXPECT_NE(Err().find(row.message), std::string::npos) << Err();
  EXPECT_EQ(Slurp(Path("a.417")), before);
}

INSTANTIATE_TEST_SUITE_P(
    Import, CliImportRefusalTest,
    testing::Values(
        ImportRefusal{"UnknownName", R"([{"op":"add","path":"/morseFrequency","value":1}])",
                      "\"morseFrequency\" is not the name of a field"},
        ImportRefusal{"MissingField", R"([{"op":"remove","path":"/callTimeoutMin"}])",
                      "callTimeoutMin: missing."},
        ImportRefusal{"MissingEntryField",
                      R"([{"op":"remove","path":"/functionTable/5/relayGroup"}])",
                      "relayGroup F05: missing."},
        ImportRefusal{"UnknownEntryField",
                      R"([{"op":"add","path":"/functionTable/42/colour","value":1}])",
                      "functionTable F42: \"colour\" is not the name of an entry's field"},
        ImportRefusal{"TextForANumber", R"([{"op":"replace","path":"/morseFreq","value":"1200"}])",
                      "morseFreq: expected a whole number, found a text."},
        ImportRefusal{"BooleanForAFlag",
                      R"([{"op":"replace","path":"/functionTable/7/toneActive","value":true}])",
                      "toneActive F07: expected a whole number, found true."},
        ImportRefusal{"NumberForAText", R"([{"op":"replace","path":"/morseText","value":5}])",
                      "morseText: expected a text, found 5."},
        ImportRefusal{"Fraction", R"([{"op":"replace","path":"/morseGain","value":-1.5}])",
                      "morseGain: -1.5 is not a whole number."},
        ImportRefusal{"AboveTheFilesNumbers",
                      R"([{"op":"replace","path":"/dig5OnMs","value":2147483648}])",
                      "dig5OnMs: 2147483648 is out of range (-2147483648 to 2147483647)"},
        ImportRefusal{"WholeNumberTooBigInExponentForm",
                      R"([{"op":"replace","path":"/morseGain","value":1e20}])",
                      "morseGain: 1e+20 is out of range (-2147483648 to 2147483647)"},
        ImportRefusal{
            "BelowTheFilesNumbers",
            R"([{"op":"replace","path":"/functionTable/0/ctcssCode","value":-2147483649}])",
            "ctcssCode F00: -2147483649 is out of range"},
        ImportRefusal{"RelayWithABlank",
                      R"([{"op":"replace","path":"/functionTable/3/relay","value":"R\t1"}])",
                      "relay F03: \"R\\x091\" holds white space"},
        ImportRefusal{"RelayWordNone",
                      R"([{"op":"replace","path":"/functionTable/3/relay","value":"none"}])",
                      "relay F03: \"none\" is the word a configuration file writes for no relay"},
        ImportRefusal{"MorseTextWithALineBreak",
                      R"([{"op":"replace","path":"/morseText","value":"CQ\r\nDE"}])",
                      "morseText: \"CQ\\x0D\\x0ADE\" holds a line break"},
        ImportRefusal{"MorseTextTooLong",
                      R"([{"op":"replace","path":"/morseText","value":
                          "0123456789012345678901234567890123456789012345678901"}])",
                      "holds 52 characters; a configuration file keeps 50"},
        ImportRefusal{"CharacterBeyondOneByte",
                      R"([{"op":"replace","path":"/morseText","value":"CQ \u20ac"}])",
                      "morseText: holds the character U+20AC"},
        ImportRefusal{"FrequencyNotAPlainNumber",
                      R"([{"op":"replace","path":"/pttFrequency","value":"02175"}])",
                      "pttFrequency: \"02175\" is not the plain decimal text"},
        ImportRefusal{"TableOfNinetyNine", R"([{"op":"remove","path":"/functionTable/99"}])",
                      "functionTable: holds 99 entries; the function table has 100."},
        ImportRefusal{"TableNotAnArray", R"([{"op":"replace","path":"/functionTable","value":{}}])",
                      "functionTable: expected an array of 100 entries, found an object."},
        ImportRefusal{"EntryNotAnObject",
                      R"([{"op":"replace","path":"/functionTable/0","value":[1]}])",
                      "functionTable F00: expected an object, found an array."},
        ImportRefusal{"NotJson", "", "It is not valid JSON: parse error at line 1, column 15",
                      R"({"toneMode": 0)"},
        ImportRefusal{"NotAnObject", "", "found an array", "[]"},
        ImportRefusal{"NameGivenTwice", "", "\"toneMode\" is given twice in one object",
                      R"({"toneMode": 0, "toneMode": 1})"},
        ImportRefusal{"StrictRefusesWhatAWindowRefuses",
                      R"([{"op":"replace","path":"/callTimeoutMin","value":181}])",
                      "callTimeoutMin  181  (accepted: 0 to 180)", nullptr, "--strict"}),
    test_support::RowName{});

// A configuration with values no window would allow and texts of every byte.
UnitConfig Unusual() {
  UnitConfig config = StartupConfig();
  config.main.toneMode = 1;
  config.main.monMomentaryMs = INT_MAX;
  config.main.pttFrequency = "-5";
  config.dialog.sidetoneGain = INT_MIN;
  config.dialog.morseText = std::string("\x01\x7F\x80\xE9\xFF\"\\ \0end  ", 15) +
                            std::string(35, 'x');  // 50 bytes, NUL and trailing blanks kept
  config.functionTable.relay[0] = "R:0";
  config.functionTable.relay[99] = std::string("\xC4\x01", 2);
  config.functionTable.relayGroup[50] = -7;
  return config;
}

// export then import gives back the file byte for byte, for the start-up file and for one
// with unusual values, and the file the save would write for one the reader takes although
// the save never writes it so (LF line ends, values cut short).
TEST_F(CliTest, ExportThenImportGivesBackTheFile) {
  ASSERT_EQ(Cli("new startup.417").exitCode, 0);
  ASSERT_TRUE(SaveConfigFile(Path("unusual.417"), Unusual()).ok());
  std::ofstream(Path("short.417"), std::ios::binary) << "1 0 0 2 5000 0 1\n-3 0 0 0\nR01 0 2";
  for (const char* name : {"startup.417", "unusual.417", "short.417"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Cli("export " + std::string(name) + " --output x.json").exitCode, 0) << Err();
    ASSERT_EQ(Cli("import x.json y.417").exitCode, 0) << Err();
    UnitConfig original = StartupConfig(), imported;
    ASSERT_TRUE(LoadConfigFile(Path(name), original).ok());
    ASSERT_TRUE(LoadConfigFile(Path("y.417"), imported).ok());
    EXPECT_EQ(imported, original);
    if (std::string(name) != "short.417") {
      EXPECT_EQ(Slurp(Path("y.417")), Slurp(Path(name)));
    }
  }
  // The start-up file's call time-out is imported, and listed in the words of check.
  Cli("export startup.417 --output x.json");
  EXPECT_EQ(Cli("import x.json y.417").exitCode, 0);
  EXPECT_NE(Err().find("  callTimeoutMin  600  (accepted: 0 to 180)\n"), std::string::npos);
}

// Import reads the JSON whole: text after its value, even behind a NUL byte, refuses it.
TEST_F(CliFilesTest, ImportRefusesAnythingAfterTheValue) {
  const CliRun exported = Cli("export b.417");
  ASSERT_EQ(exported.exitCode, 0);
  std::ofstream(Path("x.json"), std::ios::binary) << exported.out << std::string("\0junk", 5);
  const std::string before = Slurp(Path("a.417"));
  EXPECT_EQ(Cli("import x.json a.417").exitCode, 1);
  EXPECT_NE(Err().find("It is not valid JSON: a NUL byte at byte " +
                       std::to_string(exported.out.size() + 1)),
            std::string::npos)
      << Err();
  EXPECT_EQ(Slurp(Path("a.417")), before);
}

// A whole number may carry a zero fraction or an exponent.
TEST_F(CliFilesTest, ImportTakesAWholeNumberInAnyForm) {
  std::string json = Cli("export b.417").out;
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"\"morseFreq\": 1200", "\"morseFreq\": 1.2e3"},
        {"\"callTimeoutMin\": 600", "\"callTimeoutMin\": 600.0"}}) {
    ASSERT_NE(json.find(from + ","), std::string::npos) << from;
    json.replace(json.find(from + ","), from.size(), to);
  }
  std::ofstream(Path("x.json"), std::ios::binary) << json;
  ASSERT_EQ(Cli("import x.json y.417").exitCode, 0) << Err();
  EXPECT_EQ(Slurp(Path("y.417")), Slurp(Path("b.417")));
}

// A refused value of any length is quoted in one short line that says how long it was.
TEST_F(CliFilesTest, RefusedLongValueIsQuotedInPart) {
  const std::string longText(1 << 20, 'X');
  nlohmann::ordered_json json = nlohmann::ordered_json::parse(Cli("export b.417").out);
  json["morseText"] = longText + "\r\n";
  json[longText] = 1;
  std::ofstream(Path("x.json"), std::ios::binary) << json.dump();
  EXPECT_EQ(Cli("import x.json y.417").exitCode, 1);
  const std::string excerpt = "\"" + std::string(60, 'X') + "...\" (";
  EXPECT_NE(Err().find(excerpt + "1048576 characters) is not the name of a field."),
            std::string::npos);
  EXPECT_NE(Err().find("morseText: " + excerpt + "1048578 characters) holds 1048578 characters"),
            std::string::npos);
  EXPECT_LT(Err().size(), 1000u);
  EXPECT_EQ(Cli("set b.417 morseText=" + longText.substr(0, 1000) + "Z").exitCode, 1);
  EXPECT_NE(Err().find("morseText: " + excerpt + "1001 characters) holds 1001 characters"),
            std::string::npos)
      << Err();
}

// Every command that writes a file refuses a read-only one (exit 1, the file as it was), and
// with --force replaces it and leaves it read-only.
class CliReadOnlyTest : public CliFilesTest, public testing::WithParamInterface<const char*> {};

TEST_P(CliReadOnlyTest, RefusesUnlessForcedAndKeepsTheFileReadOnly) {
  ASSERT_EQ(Cli("export a.417 --output x.json").exitCode, 0);
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(Path("b.417"), readOnly);
  const std::string before = Slurp(Path("b.417"));
  EXPECT_EQ(Cli(GetParam()).exitCode, 1);
  EXPECT_NE(Err().find("Cannot save \"b.417\": the file is read-only."), std::string::npos)
      << Err();
  EXPECT_EQ(Slurp(Path("b.417")), before);
  EXPECT_EQ(Cli(std::string(GetParam()) + " --force").exitCode, 0) << Err();
  EXPECT_NE(Slurp(Path("b.417")), before);
  EXPECT_EQ(fs::status(Path("b.417")).permissions() & fs::perms::owner_write, fs::perms::none);
  fs::permissions(Path("b.417"), fs::perms::owner_write, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(WritingCommands, CliReadOnlyTest,
                         testing::Values("new b.417", "unframe a.bin b.417", "import x.json b.417",
                                         "set b.417 callTimeoutMin=30",
                                         "export a.417 --output b.417",
                                         "frame a.417 --output b.417"));

TEST_F(CliFilesTest, SetChangesTheFileInPlace) {
  ASSERT_EQ(Cli("set b.417 callTimeoutMin=30 relayDurationMs=1000 --entry f07").exitCode, 0)
      << Err();
  UnitConfig expected = B();
  expected.dialog.callTimeoutMin = 30;
  expected.functionTable.relayDurationMs[7] = 1000;
  UnitConfig loaded;
  ASSERT_TRUE(LoadConfigFile(Path("b.417"), loaded).ok());
  EXPECT_EQ(loaded, expected);
}

}  // namespace
}  // namespace tqr417
