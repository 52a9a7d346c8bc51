// Dialogs run by the system's own modal dialog box, as the application runs them: no scripted
// runner; each case acts from inside the running box's message loop with real input messages.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/testing/dialog_driver.h"
#include "framework/win32/testing/native_driver.h"
#include "framework/win32/win32_dialog_peer.h"
#include "support/row_name.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
namespace native = tqr417::fw::win32::testing;
using tqr417::fw::DialogDriver;
using tqr417::fw::WindowHandle;

constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kAbortCode = 3;  // any code other than OK and Cancel

// Ends itself while it initialises: the box must end without waiting for input.
class EndsAtOnceDlg : public test::FormDlg {
 public:
  BOOL OnInitDialog() override {
    FormDlg::OnInitDialog();
    EndDialog(kAbortCode);
    return TRUE;
  }
};

// Renames a field twice while it initialises, as the main window names its grid cells.
class RenamesWhileInitialisingDlg : public test::FormDlg {
 public:
  BOOL OnInitDialog() override {
    FormDlg::OnInitDialog();
    SetAccessibleName(test::kSigned, "Signed value");
    SetAccessibleName(test::kSigned, "Relay Duration (ms) F01");
    return TRUE;
  }
};

// Calls `act` from the box's loop once `dialog`'s window is shown: the system shows a dialog
// box when its queue first runs empty, after messages already waiting.
void WhenShown(CDialog& dialog, std::function<void()> act) {
  native::WhenLoopRuns([&dialog, act = std::move(act)]() mutable {
    if (dialog.Peer() != nullptr && dialog.Peer()->IsVisible()) {
      act();
    } else {
      WhenShown(dialog, std::move(act));
    }
  });
}

struct BoxCase {
  const char* description;
  int templateId;
  // Runs inside the box once it is shown; may queue more acts with native::WhenLoopRuns.
  void (*act)(DialogDriver&);
  int code;
  int unsignedAfter;  // the member once DoModal has returned
};

class DialogBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(DialogBoxTest, RunsUntilItsEndAndReadsOnlyOnOk) {
  const BoxCase& row = GetParam();
  test::FormDlg dialog(row.templateId);
  dialog.unsignedValue = 400;
  constexpr int kGoButton = 100;  // no row presses it
  dialog.AddHandler(kGoButton, BN_CLICKED, [&dialog] { dialog.Record(kGoButton, BN_CLICKED); });
  bool acted = false;
  WhenShown(dialog, [&] {
    acted = true;
    DialogDriver driver(dialog);
    if (row.templateId == test::kFormTemplate) {
      EXPECT_EQ(driver.Text(test::kUnsigned), "400") << "OnInitDialog ran before the run";
      EXPECT_EQ(driver.FocusedId(), IDOK) << "the first tab stop has the focus";
    }
    row.act(driver);
  });
  EXPECT_EQ(dialog.DoModal(), row.code);
  EXPECT_TRUE(acted);
  EXPECT_EQ(dialog.Peer(), nullptr) << "the window is gone after DoModal";
  EXPECT_EQ(dialog.unsignedValue, static_cast<UINT>(row.unsignedAfter));
  EXPECT_TRUE(dialog.notifications.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogBoxTest,
    ::testing::Values(
        BoxCase{"OK button reads the controls", test::kFormTemplate,
                [](DialogDriver& d) {
                  d.Type(test::kUnsigned, "1500");
                  d.Click(IDOK);
                },
                IDOK, 1500},
        BoxCase{"Enter presses the default button", test::kFormTemplate,
                [](DialogDriver& d) {
                  d.Type(test::kUnsigned, "1600");
                  native::PostKey(kVkReturn);
                },
                IDOK, 1600},
        BoxCase{"Esc cancels without reading", test::kFormTemplate,
                [](DialogDriver& d) {
                  d.Type(test::kUnsigned, "1500");
                  native::PostKey(kVkEscape);
                },
                IDCANCEL, 400},
        BoxCase{"close box cancels", test::kFormTemplate,
                [](DialogDriver& d) { native::PostCloseBox(WindowHandle(d.Dialog())); }, IDCANCEL,
                400},
        BoxCase{"a failed OK keeps the box running after its message", test::kFormTemplate,
                [](DialogDriver& d) {
                  d.Type(test::kUnsigned, "3000");
                  native::WhenLoopRuns([] { native::PostKey(kVkReturn); });  // the message box
                  d.Click(IDOK);
                  EXPECT_FALSE(d.Ended());
                  EXPECT_EQ(d.FocusedId(), test::kUnsigned) << "back on the field that failed";
                  d.Type(test::kUnsigned, "700");
                  d.Click(IDOK);
                },
                IDOK, 700},
        BoxCase{"Enter on a push button of a window without a default button does nothing",
                test::kNoOkTemplate,
                [](DialogDriver& d) {
                  d.Focus(100);
                  native::PostKey(kVkReturn);
                  native::WhenLoopRuns([&d] {
                    EXPECT_FALSE(d.Ended());
                    native::PostKey(kVkEscape);
                  });
                },
                IDCANCEL, 400}),
    tqr417::test_support::RowName{});

TEST(DialogBoxRunTest, BoxEndedWhileInitialisingReturnsItsCodeWithoutWaitingForInput) {
  EndsAtOnceDlg dialog;
  // Should the box wait for input after all, this ends it with another code.
  native::WhenLoopRuns([&dialog] {
    if (dialog.Peer() != nullptr) dialog.EndDialog(IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), kAbortCode);
  native::RunQueuedActs();
}

TEST(DialogBoxRunTest, NamesGivenWhileTheBoxInitialisesAreReadOnceItIsShown) {
  RenamesWhileInitialisingDlg dialog;
  std::string renamed;
  std::string fromTemplate;
  WhenShown(dialog, [&] {
    renamed = dialog.GetDlgItem(test::kSigned)->GetAccessibleName().str();
    fromTemplate = dialog.GetDlgItem(test::kUnsigned)->GetAccessibleName().str();
    native::PostKey(kVkEscape);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(renamed, "Relay Duration (ms) F01");
  EXPECT_EQ(fromTemplate, "Unsigned:");
}

TEST(DialogBoxRunTest, ABoxOverABoxDisablesItsOwnerWhileItRuns) {
  test::FormDlg outer;
  test::FormDlg inner;
  bool outerDisabled = false;
  WhenShown(outer, [&] {
    WhenShown(inner, [&] {
      outerDisabled = !native::AcceptsInput(WindowHandle(outer));
      native::PostKey(kVkEscape);
    });
    EXPECT_EQ(inner.DoModal(), IDCANCEL);
    EXPECT_TRUE(native::AcceptsInput(WindowHandle(outer)));
    native::PostKey(kVkEscape);
  });
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  EXPECT_TRUE(outerDisabled);
}

}  // namespace
