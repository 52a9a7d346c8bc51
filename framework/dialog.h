#pragma once
// CDialog: a modal window built from a numbered template (framework/dialog_template.h).
//
// A window class adds its members, its DoDataExchange list and its handlers; ids are named
// constants (the application's are in resources/resource_ids.h):
//
//   class CGainDlg : public CDialog {
//    public:
//     CGainDlg() : CDialog(IDD_GAIN) {}
//     int ctcssGain = 0;
//    protected:
//     void DoDataExchange(CDataExchange* pDX) override {
//       DDX_Text(pDX, IDC_GAIN_CTCSS, ctcssGain);
//       DDV_Field(pDX, ctcssGain, tqr417::Field("ctcssGain"));  // the catalogue's range
//     }
//   };
//
// DDV_Field (dialogs/field_checks.h) checks the range the field catalogue gives the field.
// The application's setting dialogs keep the list as rows of the catalogue, each naming its
// control and its check (dialogs/setting_row.h).
//
// Handlers are registered by control id and notification, usually in the constructor:
//   AddHandler(IDC_SEND, BN_CLICKED, [this] { OnSendConfig(); });
// Buttons IDOK and IDCANCEL call OnOK and OnCancel unless a handler is registered.
// No notification reaches a handler while an exchange (UpdateData) runs, message box and
// focus move included, so one focus change by the user gives at most one report.
//
// Keys: Esc and the close box call OnCancel; in a template with a default push button, Enter
// presses the focused push button, else the default one; without one Enter does nothing;
// F1 calls WinHelp.

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "framework/c_string.h"
#include "framework/menu.h"
#include "framework/win_types.h"
#include "framework/wnd.h"

class CDataExchange;
class CScrollBar;

namespace tqr417::fw {
struct DialogTemplate;
class DialogPeer;
class DialogPeerAccess;
struct ScreenPoint;
}  // namespace tqr417::fw

class CDialog {
 public:
  using Handler = std::function<void()>;

  // `parent` owns the dialog; with none, the dialog runs over the window that is running
  // modally at the time (the main window), as every dialog of the application does.
  explicit CDialog(int templateId, CDialog* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Creates the window, runs OnInitDialog and runs the window modally through the current
  // modal runner. Returns the code given to EndDialog: IDOK after OK, IDCANCEL after Cancel,
  // Esc or the close box; -1 when the template does not exist. The window is destroyed
  // before DoModal returns; the members keep their values.
  int DoModal();

  // Creates the window and runs OnInitDialog without running it modally (the window stays
  // hidden until shown). Returns FALSE when the template does not exist or the window exists.
  BOOL Create();
  // The dialog whose window a new window of this dialog is made over: its parent, else the
  // innermost dialog running modally (nullptr: none, the active window).
  CDialog* WindowOwner() const;
  // Takes `window`, made by the toolkit from this dialog's template, as the dialog's window
  // and runs OnInitDialog; what Create does once the window exists. For toolkits whose
  // system makes the window inside its own modal run. FALSE, leaving `window` to the caller,
  // when the dialog has a window already.
  BOOL AdoptWindow(std::unique_ptr<tqr417::fw::DialogPeer>&& window);
  // Destroys the window; GetDlgItem returns nullptr afterwards.
  void DestroyWindow();

  // Ends the modal run with `result`.
  void EndDialog(int result);

  // Runs DoDataExchange: FALSE copies members to controls, TRUE copies controls to members
  // with checks and stops at the first failure (see framework/data_exchange.h). Returns
  // FALSE after a failure, TRUE otherwise (also when there is no window).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  // Handle of the control with this id, nullptr when there is none or no window.
  CWnd* GetDlgItem(int controlId);

  // Overrides the accessible name that the control got from the template (its caption, or
  // the label beside it). Also before the window exists: the name is kept and given to the
  // control each time the window is created, so a constructor can name its controls.
  void SetAccessibleName(int controlId, const CString& name);

  // Caption of the window.
  void SetWindowText(const CString& caption);
  CString GetWindowText() const;

  // The system menu stand-in (Close, then whatever the window appends). `revert` TRUE resets
  // it to Close only and returns nullptr.
  CMenu* GetSystemMenu(BOOL revert);

  // Binds a scroll bar member to its control so that OnVScroll receives the member; used by
  // DDX_Control.
  void AttachControl(int controlId, CScrollBar& member);

  // The radio group that starts at button `firstId` (see DDX_Radio): the index of its
  // selected button, -1 when none is; selecting index `index` clears the others (none
  // selected when no button has that index).
  int GetRadioGroupIndex(int firstId);
  void SetRadioGroupIndex(int firstId, int index);

  // Sets the window's icon (big or small; both end up as the window icon).
  void SetIcon(tqr417::fw::IconId icon, BOOL bigIcon);

  // Runs the handler registered for (control, notification), or the OK/Cancel default;
  // does nothing during an exchange. Returns TRUE when something ran. Controls call this.
  BOOL SendNotify(int controlId, UINT notification);

  // The template the dialog was made from; nullptr when its id names none.
  const tqr417::fw::DialogTemplate* Template() const { return template_; }
  // The toolkit's window while it exists, else nullptr. For the framework, its backend and
  // tests.
  tqr417::fw::DialogPeer* Peer() const { return window_.get(); }
  // True while an UpdateData runs (message box and focus move included).
  bool IsExchanging() const { return exchangeDepth_ > 0; }
  // True once EndDialog has been called for the current window.
  bool HasEnded() const { return ended_; }
  int EndCode() const { return endCode_; }

  // Framework calls. OnInitDialog runs UpdateData(FALSE); returning TRUE lets the framework
  // give the focus to the first control that takes it.
  virtual BOOL OnInitDialog();
  // UpdateData(TRUE), then EndDialog(IDOK) only if it succeeded.
  virtual void OnOK();
  // EndDialog(IDCANCEL); reads nothing.
  virtual void OnCancel();
  // A system menu command; SC_CLOSE ends the window like Esc. Other commands do nothing.
  virtual void OnSysCommand(UINT command, LPARAM param);
  // A vertical scroll request from a scroll bar control (SB_ codes); `pos` is meaningful for
  // SB_THUMBTRACK and SB_THUMBPOSITION. Does nothing by default.
  virtual void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
  // A help request (F1); does nothing by default.
  virtual void WinHelp(DWORD data, UINT command);

 protected:
  // The window's bindings in order; empty by default.
  virtual void DoDataExchange(CDataExchange* pDX);

  // Registers `handler` for `notification` (BN_CLICKED, EN_KILLFOCUS, CBN_KILLFOCUS, ...) of
  // control `controlId`; a second registration for the same pair replaces the first.
  void AddHandler(int controlId, UINT notification, Handler handler);

 private:
  friend class tqr417::fw::DialogPeerAccess;
  friend class CDataExchange;

  CScrollBar* ScrollBarFor(int controlId);
  void FocusFirstControl();
  void SendVScroll(int controlId, UINT code, int pos);
  void OpenSystemMenuAt(const tqr417::fw::ScreenPoint& globalPos);
  void ResetSystemMenu();

  const tqr417::fw::DialogTemplate* template_;
  CDialog* parent_;
  std::unique_ptr<tqr417::fw::DialogPeer> window_;
  std::map<int, std::unique_ptr<CWnd>> controls_;
  std::map<std::pair<int, UINT>, Handler> handlers_;
  std::map<int, CScrollBar*> attachedBars_;               // scroll bar members by control id
  std::map<int, std::unique_ptr<CScrollBar>> plainBars_;  // for scroll bars without a member
  CMenu systemMenu_;
  tqr417::fw::IconId icon_ = 0;
  std::map<int, CString> accessibleNames_;  // names given by the window, by control id
  int exchangeDepth_ = 0;
  bool ended_ = false;
  int endCode_ = 0;
};

namespace tqr417::fw {

// What a toolkit backend's window reports to its dialog beyond the dialog's public calls: the
// one class of the dialog layer's seam that CDialog lets in, whichever toolkit shows it.
class DialogPeerAccess {
 public:
  static void VScroll(CDialog& dialog, int controlId, UINT code, int pos) {
    dialog.SendVScroll(controlId, code, pos);
  }
  static void OpenSystemMenuAt(CDialog& dialog, const ScreenPoint& globalPos) {
    dialog.OpenSystemMenuAt(globalPos);
  }
  // F1: the help topic of the dialog's template (a resource help id, as a help context).
  static void Help(CDialog& dialog);
};

}  // namespace tqr417::fw
