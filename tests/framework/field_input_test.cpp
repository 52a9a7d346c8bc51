// What a field keeps of the user's input: the rule itself, then typing and pasting into the
// real controls of the toolkit (character events and the clipboard's paste), where the field
// must show what its member will hold.

#include "framework/field_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "framework/modal_runner.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "support/row_name.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
using tqr417::fw::KeptInput;

struct KeptCase {
  const char* description;
  std::u16string_view input;
  bool upperCase;
  std::optional<std::u16string_view> kept;  // nullopt: refused
};

class KeptInputTest : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptInputTest, KeepsWhatAMemberCanHold) {
  const KeptCase& c = GetParam();
  const std::optional<std::u16string> kept = KeptInput(c.input, c.upperCase);
  EXPECT_EQ(kept, c.kept ? std::optional<std::u16string>(*c.kept) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeptInputTest,
    ::testing::Values(
        KeptCase{"letters upper case only where the field asks", u"cq de", false, u"cq de"},
        KeptCase{"a to z upper case, other Latin-1 as it is", u"az\u00e9\u00ff1/", true,
                 u"AZ\u00e9\u00ff1/"},
        KeptCase{"euro sign refused", u"\u20ac", true, std::nullopt},
        KeptCase{"euro sign left out of a paste", u"de \u20ac", true, u"DE "},
        KeptCase{"last Latin-1 character kept, the next left out", u"\u00ff\u0100", false,
                 u"\u00ff"},
        KeptCase{"both halves of a surrogate pair left out", u"a\U0001F600b", false, u"ab"},
        KeptCase{"control characters kept for the field to act on", u"\b", false, u"\b"},
        KeptCase{"typed Enter kept for the field to act on", u"\r", false, u"\r"},
        KeptCase{"empty input refused", u"", false, std::nullopt}),
    tqr417::test_support::RowName{});

// Input into the test form: its upper-case edit, its 4-character field (holding "ab") and its
// combo box's edit field, shown and active so that the focus and the clipboard work.
struct FieldCase {
  const char* description;
  int controlId;
  bool paste;  // else typed, character by character
  std::u16string_view input;
  const char* shown;
};

class FieldInputTest : public ::testing::TestWithParam<FieldCase> {
 protected:
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
};

TEST_P(FieldInputTest, ShowsWhatItsMemberWillHold) {
  const FieldCase& c = GetParam();
  test::FormDlg dialog;
  dialog.name = "ab";
  test::ShowActive(dialog);
  tqr417::fw::DialogDriver driver(dialog);
  c.paste ? driver.Paste(c.controlId, c.input) : driver.Type(c.controlId, c.input);
  EXPECT_EQ(driver.Text(c.controlId).str(), c.shown);
  EXPECT_TRUE(runner.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldInputTest,
    ::testing::Values(
        FieldCase{"typed euro sign refused in an edit field", test::kUpper, false, u"de \u20ac",
                  "DE "},
        FieldCase{"typed euro sign refused in a combo box's edit field", test::kRelay, false,
                  u"R\u20ac1", "R1"},
        FieldCase{"typed character beyond the plane refused", test::kUpper, false, u"a\U0001F600b",
                  "AB"},
        FieldCase{"paste keeps Latin-1 and turns a to z upper case", test::kUpper, true,
                  u"de \u20ac\u00e9", "DE \xe9"},
        FieldCase{"paste into a combo box's edit field", test::kRelay, true, u"r\u20ac1", "r1"},
        FieldCase{"paste keeps the first line", test::kUpper, true, u"de\r\nfg", "DE"},
        FieldCase{"paste that starts with a line break leaves the text", test::kName, true, u"\nab",
                  "ab"},
        FieldCase{"paste of nothing a member can hold leaves the text", test::kName, true,
                  u"\u20ac", "ab"},
        FieldCase{"paste beyond the limit keeps what fits", test::kName, true, u"wxyz12", "wxyz"}),
    tqr417::test_support::RowName{});

}  // namespace
