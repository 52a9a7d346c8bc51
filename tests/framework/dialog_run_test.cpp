// Modal runs: how each way of ending a dialog ends it, keys, the system menu stand-in and the
// scripted runner's own bookkeeping.

#include <gtest/gtest.h>

#include "framework/message_box.h"
#include "framework/testing/scripted_runner.h"
#include "framework/win_app.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
using tqr417::fw::DialogDriver;

class DialogRunTest : public ::testing::Test {
 protected:
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
  test::FormDlg dialog;
};

struct EndCase {
  const char* description;
  void (*act)(DialogDriver&);
  int code;
};

class DialogEndTest : public DialogRunTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(DialogEndTest, EndsWithTheExpectedCode) {
  dialog.unsignedValue = 400;
  runner.OnDialog(test::kFormTemplate, GetParam().act);
  EXPECT_EQ(dialog.DoModal(), GetParam().code) << GetParam().description;
  EXPECT_EQ(runner.UnexpectedModals(), 0);
  EXPECT_EQ(dialog.Peer(), nullptr) << "the window is gone after DoModal";
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogEndTest,
    ::testing::Values(
        EndCase{"OK button", [](DialogDriver& d) { d.Click(IDOK); }, IDOK},
        EndCase{"Enter presses the default button", [](DialogDriver& d) { d.Enter(); }, IDOK},
        EndCase{"Enter in an edit field",
                [](DialogDriver& d) {
                  d.Focus(test::kSigned);
                  d.Enter();
                },
                IDOK},
        EndCase{"Enter with the focus on Cancel presses Cancel",
                [](DialogDriver& d) {
                  d.Focus(IDOK);
                  d.Tab();  // the way to Cancel that makes it the default button on every toolkit
                  d.Enter();
                },
                IDCANCEL},
        EndCase{"Cancel button", [](DialogDriver& d) { d.Click(IDCANCEL); }, IDCANCEL},
        EndCase{"Esc", [](DialogDriver& d) { d.Esc(); }, IDCANCEL},
        EndCase{"close box", [](DialogDriver& d) { d.CloseBox(); }, IDCANCEL}),
    tqr417::test_support::RowName{});

TEST_F(DialogRunTest, FailedOkKeepsTheDialogOpenAndCancelReadsNothing) {
  dialog.signedValue = 1;
  dialog.last = 5;
  runner.OnDialog(test::kFormTemplate, [](DialogDriver& d) {
    d.Type(test::kSigned, "2");
    d.Type(test::kLast, "11");
    d.Enter();
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(d.FocusedId(), test::kLast);
    d.Type(test::kSigned, "3");
    d.Esc();
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.signedValue, 2) << "read by the failed OK, not by Cancel";
  EXPECT_EQ(dialog.last, 11);
  ASSERT_EQ(runner.Messages().size(), 1u);
}

TEST_F(DialogRunTest, MissingTemplateGivesMinusOneWithoutARun) {
  CDialog missing(4242);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_EQ(missing.Create(), FALSE);
  EXPECT_TRUE(runner.DialogsRun().empty());
}

TEST_F(DialogRunTest, EnterWithoutADefaultButtonDoesNothing) {
  test::FormDlg noOk(test::kNoOkTemplate);
  int goClicks = 0;
  noOk.AddHandler(100, BN_CLICKED, [&] { ++goClicks; });
  runner.OnDialog(test::kNoOkTemplate, [](DialogDriver& d) {
    d.Type(test::kSigned, "abc");
    d.Enter();
    d.Focus(100);  // not even a focused push button takes Enter
    d.Enter();
    EXPECT_FALSE(d.Ended());
    d.Esc();
  });
  EXPECT_EQ(noOk.DoModal(), IDCANCEL);
  EXPECT_EQ(goClicks, 0);
  EXPECT_TRUE(runner.Messages().empty());
}

TEST_F(DialogRunTest, UnscriptedAndUnfinishedRunsAreCounted) {
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // no script at all
  runner.OnDialog(test::kFormTemplate, [](DialogDriver& d) { d.Focus(test::kSigned); });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // script leaves it open
  EXPECT_EQ(runner.UnexpectedModals(), 2);
  EXPECT_EQ(runner.DialogsRun(), (std::vector<int>{test::kFormTemplate, test::kFormTemplate}));
}

TEST_F(DialogRunTest, NestedDialogTakesItsOwnScript) {
  dialog.AddHandler(test::kEnabled, BN_CLICKED, [] {
    test::FormDlg nested(test::kNoOkTemplate);
    EXPECT_EQ(nested.DoModal(), IDCANCEL);
  });
  runner.OnDialog(test::kFormTemplate, [](DialogDriver& d) {
    d.Click(test::kEnabled);
    d.Esc();
  });
  runner.OnDialog(test::kNoOkTemplate, [](DialogDriver& d) { d.Esc(); });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(runner.DialogsRun(), (std::vector<int>{test::kFormTemplate, test::kNoOkTemplate}));
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

TEST_F(DialogRunTest, HelpKeyReachesTheHelpVirtual) {
  runner.OnDialog(test::kFormTemplate, [](DialogDriver& d) {
    d.Key(tqr417::fw::keys::kF1);
    EXPECT_FALSE(d.Ended());
    d.Esc();
  });
  dialog.DoModal();
  EXPECT_EQ(dialog.helpRequests, 1);
}

TEST_F(DialogRunTest, MessageBoxCarriesTheApplicationNameAndItsAnswer) {
  runner.AnswerMessages({IDNO});
  EXPECT_EQ(AfxMessageBox("Replace?", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(AfxMessageBox("Error Opening Comm Port", MB_ICONHAND), IDOK);
  ASSERT_EQ(runner.Messages().size(), 2u);
  EXPECT_EQ(runner.Messages()[1].icon, MB_ICONHAND);
  EXPECT_EQ(runner.Messages()[1].buttons, MB_OK);
  EXPECT_EQ(runner.Messages()[1].caption, "tqr417_framework_tests");
}

}  // namespace
