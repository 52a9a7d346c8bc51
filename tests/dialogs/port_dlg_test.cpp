// The port dialog: the current port is selected when it opens, OK stores the choice where the
// transfers read it, and Esc or the close box cancel although there is no Cancel button.

#include "dialog_test_support.h"
#include "link/serial_link.h"
#include "support/row_name.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

struct PortRow {
  const char* name;
  int stored;
  int clicked;  // 0: no click
  void (*close)(DialogDriver&);
  int storedAfter;
  const char* portOpened;
  friend void PrintTo(const PortRow& row, std::ostream* os) { *os << row.name; }
};

class PortDlgTest : public DialogTest, public ::testing::WithParamInterface<PortRow> {};

TEST_P(PortDlgTest, ChoiceReachesTheTransfersOnlyAfterOk) {
  const PortRow& row = GetParam();
  state.comPort = row.stored;
  Run(IDD_PORT, [&](DialogDriver& d) {
    EXPECT_EQ(d.Dialog().GetDlgItem(IDCANCEL), nullptr);
    EXPECT_EQ(IsChecked(d, IDC_PORT_COM1), row.stored == 0);
    EXPECT_EQ(IsChecked(d, IDC_PORT_COM2), row.stored == 1);
    if (row.clicked != 0) {
      d.Click(row.clicked);
      EXPECT_TRUE(IsChecked(d, row.clicked));
    }
    row.close(d);
    EXPECT_TRUE(d.Ended());
  });
  EXPECT_EQ(state.comPort, row.storedAfter);
  EXPECT_EQ(SerialLink::PortName(state.comPort), row.portOpened);
  EXPECT_EQ(settings, DistinctSettings());
}

void PressEnter(DialogDriver& d) { d.Enter(); }
void PressEsc(DialogDriver& d) { d.Esc(); }
void CloseBox(DialogDriver& d) { d.CloseBox(); }

INSTANTIATE_TEST_SUITE_P(
    Choices, PortDlgTest,
    ::testing::Values(PortRow{"EnterStoresCom2", 0, IDC_PORT_COM2, PressEnter, 1, "Com2"},
                      PortRow{"EnterStoresCom1", 1, IDC_PORT_COM1, PressEnter, 0, "Com1"},
                      PortRow{"SelectedButtonStaysSelected", 0, IDC_PORT_COM1, PressEnter, 0,
                              "Com1"},
                      PortRow{"EscKeepsPort", 0, IDC_PORT_COM2, PressEsc, 0, "Com1"},
                      PortRow{"CloseBoxKeepsPort", 1, IDC_PORT_COM1, CloseBox, 1, "Com2"}),
    tqr417::test_support::RowName{});

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
