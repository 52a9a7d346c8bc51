// UpdateData in both directions over every binding: order, the stop at the first failure,
// the values left in the members, the message, the focus move and the quiet controls.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "framework/win_app.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
using tqr417::fw::DialogDriver;
using tqr417::fw::ScriptedRunner;

class DataExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.signedValue = 50;
    dialog.unsignedValue = 1000;
    dialog.name = "ab";
    dialog.enabled = 1;
    dialog.radioFirst = 2;
    dialog.radioSecond = 0;
    dialog.relay = "R02";
    dialog.frequency = "2175";
    dialog.last = 5;
    ASSERT_TRUE(dialog.Create());
    test::ShowActive(dialog);
    driver = std::make_unique<DialogDriver>(dialog);
  }

  void SetText(int id, const char* text) { dialog.GetDlgItem(id)->SetWindowText(text); }
  CString Text(int id) { return dialog.GetDlgItem(id)->GetWindowText(); }
  bool Checked(int id) { return driver->Checked(id); }

  ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
  test::FormDlg dialog;
  std::unique_ptr<DialogDriver> driver;
};

TEST_F(DataExchangeTest, LoadShowsEveryMember) {
  EXPECT_EQ(Text(test::kSigned), "50");
  EXPECT_EQ(Text(test::kUnsigned), "1000");
  EXPECT_EQ(Text(test::kName), "ab");
  EXPECT_TRUE(Checked(test::kEnabled));
  EXPECT_FALSE(Checked(test::kRadioA));
  EXPECT_TRUE(Checked(test::kRadioC));
  EXPECT_TRUE(Checked(test::kRadioD));
  EXPECT_EQ(Text(test::kRelay), "R02");
  EXPECT_EQ(Text(test::kFrequency), "2175");
  EXPECT_EQ(Text(test::kLast), "5");
}

TEST_F(DataExchangeTest, SaveReadsEveryControlWithoutMessages) {
  SetText(test::kSigned, " -0 ");
  SetText(test::kUnsigned, "2000");
  SetText(test::kName, "wxyz");
  driver->Click(test::kEnabled);
  driver->Click(test::kRadioB);
  driver->Click(test::kRadioE);
  SetText(test::kLast, "10");
  EXPECT_EQ(dialog.UpdateData(TRUE), TRUE);
  EXPECT_EQ(dialog.signedValue, 0);
  EXPECT_EQ(dialog.unsignedValue, 2000u);
  EXPECT_EQ(dialog.name, "wxyz");
  EXPECT_EQ(dialog.enabled, 0);
  EXPECT_EQ(dialog.radioFirst, 1);
  EXPECT_EQ(dialog.radioSecond, 1);
  EXPECT_EQ(dialog.last, 10);
  EXPECT_TRUE(runner.Messages().empty());
}

TEST_F(DataExchangeTest, RangeFailureStopsWithTheNumberReadInTheFailingMember) {
  SetText(test::kSigned, "7");      // before the failure: taken
  SetText(test::kUnsigned, "399");  // fails its range check
  SetText(test::kName, "zz");       // after it: not read
  SetText(test::kLast, "3");
  EXPECT_EQ(dialog.UpdateData(TRUE), FALSE);
  EXPECT_EQ(dialog.signedValue, 7);
  EXPECT_EQ(dialog.unsignedValue, 399u);
  EXPECT_EQ(dialog.name, "ab");
  EXPECT_EQ(dialog.last, 5);
  ASSERT_EQ(runner.Messages().size(), 1u);
  EXPECT_EQ(runner.Messages()[0].text, "Please enter an integer between 400 and 2000.");
  EXPECT_EQ(runner.Messages()[0].icon, MB_ICONEXCLAMATION);
  EXPECT_EQ(runner.Messages()[0].caption, AfxGetAppName());
  EXPECT_EQ(driver->FocusedId(), test::kUnsigned);
  EXPECT_TRUE(driver->TextSelected(test::kUnsigned));
}

TEST_F(DataExchangeTest, TextThatIsNoNumberLeavesTheMemberAsItWas) {
  SetText(test::kSigned, "12abc");
  EXPECT_EQ(dialog.UpdateData(TRUE), FALSE);
  EXPECT_EQ(dialog.signedValue, 50);
  ASSERT_EQ(runner.Messages().size(), 1u);
  EXPECT_EQ(runner.Messages()[0].text, "Please enter an integer.");
  EXPECT_EQ(driver->FocusedId(), test::kSigned);
  EXPECT_TRUE(driver->TextSelected(test::kSigned));
}

TEST_F(DataExchangeTest, UnsignedFieldRefusesAMinusSign) {
  SetText(test::kUnsigned, "-400");
  EXPECT_EQ(dialog.UpdateData(TRUE), FALSE);
  EXPECT_EQ(dialog.unsignedValue, 1000u);
  ASSERT_EQ(runner.Messages().size(), 1u);
  EXPECT_EQ(runner.Messages()[0].text, "Please enter a positive integer.");
}

TEST_F(DataExchangeTest, LongTextFailsItsLengthCheckAfterBeingRead) {
  SetText(test::kName, "abcde");  // set by the program: the limit only stops typing
  EXPECT_EQ(dialog.UpdateData(TRUE), FALSE);
  EXPECT_EQ(dialog.name, "abcde");
  ASSERT_EQ(runner.Messages().size(), 1u);
  EXPECT_EQ(runner.Messages()[0].text, "Please enter no more than 4 characters.");
  EXPECT_EQ(driver->FocusedId(), test::kName);
}

TEST_F(DataExchangeTest, LengthLimitStopsTyping) {
  driver->Type(test::kName, "abcdefg");
  EXPECT_EQ(Text(test::kName), "abcd");
}

TEST_F(DataExchangeTest, UpperCaseEditTurnsTypedLettersUpper) {
  driver->Type(test::kUpper, "abc 1x\xe9");
  EXPECT_EQ(Text(test::kUpper), "ABC 1X\xe9");
}

TEST_F(DataExchangeTest, TypingTakesOnlyCharactersTheMemberCanHold) {
  driver->Type(test::kName, u"\u20ac");
  EXPECT_EQ(Text(test::kName), "ab") << "shown as it will be stored";
  EXPECT_EQ(dialog.UpdateData(TRUE), TRUE);
  EXPECT_EQ(dialog.name, "ab");
}

TEST_F(DataExchangeTest, FailureOnTheLastFieldKeepsEverythingBefore) {
  SetText(test::kSigned, "100");
  driver->Click(test::kRadioA);
  SetText(test::kLast, "11");
  EXPECT_EQ(dialog.UpdateData(TRUE), FALSE);
  EXPECT_EQ(dialog.signedValue, 100);
  EXPECT_EQ(dialog.radioFirst, 0);
  EXPECT_EQ(dialog.last, 11);
  EXPECT_EQ(runner.Messages().at(0).text, "Please enter an integer between 0 and 10.");
}

TEST_F(DataExchangeTest, NoNotificationsDuringAnExchange) {
  int during = 0;
  const auto count = [&] { ++during; };
  // Handlers on every control that the exchange touches or moves the focus through.
  for (const int id : {test::kSigned, test::kUnsigned, test::kName, test::kLast}) {
    dialog.AddHandler(id, EN_KILLFOCUS, count);
  }
  dialog.AddHandler(test::kEnabled, BN_CLICKED, count);
  dialog.AddHandler(test::kRadioA, BN_CLICKED, count);
  driver->Focus(test::kSigned);
  during = 0;
  dialog.enabled = 0;
  dialog.radioFirst = 0;
  dialog.UpdateData(FALSE);  // sets the check box and radio buttons
  SetText(test::kLast, "99");
  EXPECT_EQ(dialog.UpdateData(TRUE), FALSE);  // message, focus from kSigned to kLast
  EXPECT_EQ(driver->FocusedId(), test::kLast);
  EXPECT_EQ(during, 0);
  // Outside an exchange the same focus change is reported.
  driver->Focus(test::kSigned);
  EXPECT_EQ(during, 1);
}

TEST_F(DataExchangeTest, DisabledControlStillTakesPart) {
  dialog.GetDlgItem(test::kSigned)->EnableWindow(FALSE);
  SetText(test::kSigned, "200");
  EXPECT_EQ(dialog.UpdateData(TRUE), FALSE);
  EXPECT_EQ(dialog.signedValue, 200);
  EXPECT_FALSE(dialog.GetDlgItem(test::kSigned)->IsWindowEnabled());
}

struct RadioCase {
  const char* description;
  int member;
  std::vector<int> checked;  // ids checked after loading
  int savedBack;             // member after saving
};

class RadioExchangeTest : public DataExchangeTest,
                          public ::testing::WithParamInterface<RadioCase> {};

TEST_P(RadioExchangeTest, LoadsAndSavesTheGroupIndex) {
  const RadioCase& c = GetParam();
  dialog.radioFirst = c.member;
  dialog.UpdateData(FALSE);
  for (const int id : {test::kRadioA, test::kRadioB, test::kRadioC}) {
    const bool expected = std::find(c.checked.begin(), c.checked.end(), id) != c.checked.end();
    EXPECT_EQ(Checked(id), expected) << c.description << " id " << id;
  }
  EXPECT_TRUE(Checked(test::kRadioD)) << "the next group is left alone";
  ASSERT_EQ(dialog.UpdateData(TRUE), TRUE);
  EXPECT_EQ(dialog.radioFirst, c.savedBack) << c.description;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RadioExchangeTest,
    ::testing::Values(RadioCase{"first button", 0, {test::kRadioA}, 0},
                      RadioCase{"edit inside the group is not counted", 2, {test::kRadioC}, 2},
                      RadioCase{"index past the group selects none", 3, {}, -1},
                      RadioCase{"minus one selects none", -1, {}, -1}),
    tqr417::test_support::RowName{});

TEST_F(DataExchangeTest, ClickingARadioButtonClearsOnlyItsGroup) {
  driver->Click(test::kRadioA);
  EXPECT_TRUE(Checked(test::kRadioA));
  EXPECT_FALSE(Checked(test::kRadioC));
  EXPECT_TRUE(Checked(test::kRadioD));
  driver->Click(test::kRadioA);  // clicking the selected button keeps it selected
  EXPECT_TRUE(Checked(test::kRadioA));
}

TEST_F(DataExchangeTest, ArrowKeySelectsTheNextButtonOfTheGroupAsAClickDoes) {
  dialog.AddHandler(test::kRadioB, BN_CLICKED, [this] { dialog.Record(test::kRadioB, 0); });
  driver->Click(test::kRadioA);
  driver->Key(tqr417::fw::keys::kDown);
  EXPECT_EQ(driver->FocusedId(), test::kRadioB);
  EXPECT_TRUE(Checked(test::kRadioB));
  EXPECT_FALSE(Checked(test::kRadioA));
  EXPECT_EQ(dialog.notifications.size(), 1u) << "selected as by a click";
  EXPECT_TRUE(Checked(test::kRadioD)) << "the next group is left alone";
  ASSERT_EQ(dialog.UpdateData(TRUE), TRUE);
  EXPECT_EQ(dialog.radioFirst, 1);
}

}  // namespace
