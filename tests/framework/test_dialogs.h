#pragma once
// Templates and dialogs that exercise the framework, registered only in the test binary.

#include <vector>

#include "framework/data_exchange.h"
#include "framework/ddx.h"
#include "framework/dialog.h"
#include "framework/scroll_bar.h"

namespace tqr417::fw::test {

// Template numbers well away from the application's.
inline constexpr int kFormTemplate = 9001;    // every kind of binding, OK and Cancel
inline constexpr int kNoOkTemplate = 9002;    // no default button, no OK
inline constexpr int kScrollTemplate = 9003;  // a scroll bar and two validated fields

// Control ids of kFormTemplate.
enum FormId {
  kSigned = 10,    // int, 0..100
  kUnsigned = 11,  // UINT, 400..2000
  kName = 12,      // CString, at most 4 characters
  kEnabled = 13,   // check box
  kRadioA = 20,    // group A, B, (edit 22), C; a label starting a group closes it
  kRadioB = 21,
  kInGroupEdit = 22,
  kRadioC = 23,
  kRadioD = 24,  // a group of its own: D, E
  kRadioE = 25,
  kRelay = 30,      // combo with edit field: "R01", "R02"
  kFrequency = 31,  // drop-down list, sorted: "2100", "2175", "2300"
  kLast = 14,       // int, 0..10, bound last
  kUpper = 15,      // upper-case edit, not bound
};

// A dialog over kFormTemplate with one member per binding, in this exchange order:
// kSigned, kUnsigned, kName (max 4), kEnabled, radio A.., radio D.., kRelay, kFrequency
// (max 4), kLast.
class FormDlg : public CDialog {
 public:
  explicit FormDlg(int templateId = kFormTemplate) : CDialog(templateId) {}
  using CDialog::AddHandler;

  int signedValue = 0;
  UINT unsignedValue = 400;
  CString name;
  int enabled = 0;
  int radioFirst = -1;
  int radioSecond = -1;
  CString relay;
  CString frequency;
  int last = 0;

  // Handlers registered for tests: each call appends (id, notification).
  std::vector<std::pair<int, UINT>> notifications;
  void Record(int controlId, UINT notification);

  int helpRequests = 0;
  std::vector<UINT> sysCommands;
  void WinHelp(DWORD data, UINT command) override;
  void OnSysCommand(UINT command, LPARAM param) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

// A dialog over kScrollTemplate: scroll bar 40 bound to `bar`, edits 41 and 42 (0..9) whose
// loss of focus runs UpdateData(TRUE), as the function table's fields do.
class ScrollDlg : public CDialog {
 public:
  ScrollDlg();

  CScrollBar bar;
  int first = 0;
  int second = 0;
  struct Scroll {
    UINT code;
    UINT pos;
    bool isMember;
  };
  std::vector<Scroll> scrolls;
  int focusReports = 0;

  void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

// Shows and activates the dialog's window (created if needed) so that focus events flow.
void ShowActive(CDialog& dialog);

}  // namespace tqr417::fw::test
