// The port dialog: the current port is selected when it opens, OK stores the choice where the
// transfers read it, and Esc or the close box cancel although there is no Cancel button.

#include "dialog_test_support.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

struct PortRow {
  const char* name;
  ComPort stored;
  int clicked;  // 0: no click
  void (*close)(DialogDriver&);
  ComPort storedAfter;
  friend void PrintTo(const PortRow& row, std::ostream* os) { *os << row.name; }
};

class PortDlgTest : public DialogTest, public ::testing::WithParamInterface<PortRow> {};

TEST_P(PortDlgTest, ChoiceReachesTheTransfersOnlyAfterOk) {
  const PortRow& row = GetParam();
  state.comPort = row.stored;
  Run(IDD_PORT, [&](DialogDriver& d) {
    EXPECT_EQ(d.Dialog().GetDlgItem(IDCANCEL), nullptr);
    EXPECT_EQ(IsChecked(d, IDC_PORT_COM1), row.stored == ComPort::kCom1);
    EXPECT_EQ(IsChecked(d, IDC_PORT_COM2), row.stored == ComPort::kCom2);
    if (row.clicked != 0) {
      d.Click(row.clicked);
      EXPECT_TRUE(IsChecked(d, row.clicked));
    }
    row.close(d);
    EXPECT_TRUE(d.Ended());
  });
  EXPECT_EQ(state.comPort, row.storedAfter);
  EXPECT_EQ(settings, DistinctSettings());
}

void PressEnter(DialogDriver& d) { d.Enter(); }
void PressEsc(DialogDriver& d) { d.Esc(); }
void CloseBox(DialogDriver& d) { d.CloseBox(); }

INSTANTIATE_TEST_SUITE_P(
    Choices, PortDlgTest,
    ::testing::Values(
        PortRow{"EnterStoresCom2", ComPort::kCom1, IDC_PORT_COM2, PressEnter, ComPort::kCom2},
        PortRow{"EnterStoresCom1", ComPort::kCom2, IDC_PORT_COM1, PressEnter, ComPort::kCom1},
        PortRow{"SelectedButtonStaysSelected", ComPort::kCom1, IDC_PORT_COM1, PressEnter,
                ComPort::kCom1},
        PortRow{"EscKeepsPort", ComPort::kCom1, IDC_PORT_COM2, PressEsc, ComPort::kCom1},
        PortRow{"CloseBoxKeepsPort", ComPort::kCom2, IDC_PORT_COM1, CloseBox, ComPort::kCom2}),
    RowName<PortRow>);

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
