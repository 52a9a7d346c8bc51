// The Win32 dialog window: made from an in-memory extended template, either run as a modal
// dialog box by the system (DialogBoxIndirectParamW, the application's way) or made hidden
// with CreateDialogIndirectParamW and run later by a message loop of its own (for a window
// made before its run, as tests and tools do), and a dialog procedure that reports the
// controls' notifications to its owner.

#include <windows.h>

#include "framework/modal_scope.h"
#include "framework/win32/native.h"
#include "framework/win32/native_field_input.h"
#include "framework/win32/native_input.h"
#include "framework/win32/native_subclass.h"
#include "framework/win32/template_builder.h"
#include "framework/win32/win32_text.h"

namespace tqr417::fw::win32 {

struct NativeDialog::State {
  DialogEvents& events;
  const DialogTemplate& dialogTemplate;
  HWND window = nullptr;
  HWND owner = nullptr;
  std::vector<HWND> controls;
  std::vector<HICON> icons;
  int iconId = 0;  // the icon resource the window shows, 0 for none
  HWND pendingFocus = nullptr;
  std::function<void()> created;  // for a dialog box: called on WM_INITDIALOG
  int quiet = 0;                  // > 0 while the program changes a control
  bool box = false;               // run by DialogBoxIndirectParamW
  bool ended = false;
  bool dying = false;
  // While `created` runs, the names given to controls are kept here and handed to the system
  // once it has returned, so that a control renamed during its start is named only once.
  bool holdingNames = false;
  std::vector<std::optional<CString>> heldNames;

  State(DialogEvents& e, const DialogTemplate& t) : events(e), dialogTemplate(t) {}

  HWND At(int index) const {
    return index >= 0 && index < static_cast<int>(controls.size())
               ? controls[static_cast<std::size_t>(index)]
               : nullptr;
  }
  ControlKind KindAt(int index) const {
    return dialogTemplate.controls[static_cast<std::size_t>(index)].kind;
  }
  int IndexOf(HWND control) const {
    // The edit field inside a combo box belongs to the combo box.
    while (control != nullptr && control != window) {
      for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == control) return static_cast<int>(i);
      }
      control = GetParent(control);
    }
    return -1;
  }
  int IdAt(int index) const { return dialogTemplate.controls[static_cast<std::size_t>(index)].id; }
  LRESULT Send(int index, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    HWND control = At(index);
    return control != nullptr ? SendMessageW(control, message, wParam, lParam) : 0;
  }
  template <typename Change>
  void Quietly(Change&& change) {
    ++quiet;
    change();
    --quiet;
  }
  void Focus(HWND control) {
    if (control == nullptr) return;
    if (!IsWindowVisible(window)) {
      pendingFocus = control;
      return;
    }
    pendingFocus = nullptr;
    SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  }

  // True for Enter typed into this window when it has no default button: such a window
  // ignores Enter (see win32::IgnoresEnter).
  bool IgnoresEnter(const MSG& message) const {
    return win32::IgnoresEnter(dialogTemplate, window, message);
  }

  void Initialise();
  void CentreOverOwner();
  void RunCreated();
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
};

namespace {

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* state = reinterpret_cast<NativeDialog::State*>(lParam);
    state->window = window;
    state->Initialise();
    if (state->box) {
      state->CentreOverOwner();
      state->RunCreated();
      // The focus the dialog layer gave while the window was hidden; the system keeps it
      // when it shows the window.
      if (state->pendingFocus != nullptr && !state->ended) {
        SetFocus(state->pendingFocus);
        state->pendingFocus = nullptr;
      }
    }
    return FALSE;  // the dialog layer gives the focus
  }
  auto* state = reinterpret_cast<NativeDialog::State*>(GetWindowLongPtrW(window, DWLP_USER));
  return state != nullptr ? state->Handle(message, wParam, lParam) : FALSE;
}

// The dialog boxes running now, innermost last, and the message filter that the system's
// dialog box loop asks about each message before it handles it.
thread_local std::vector<NativeDialog::State*> g_boxes;
thread_local HHOOK g_boxFilter = nullptr;

LRESULT CALLBACK FilterBoxInput(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (DropInput(message)) return TRUE;
    for (const NativeDialog::State* box : g_boxes) {
      if (box->window != nullptr && box->IgnoresEnter(message)) return TRUE;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool TakesFocus(HWND control, ControlKind kind) {
  if (kind == ControlKind::kGroupBox || kind == ControlKind::kStaticText ||
      kind == ControlKind::kIcon) {
    return false;
  }
  const LONG_PTR styles = GetWindowLongPtrW(control, GWL_STYLE);
  return (styles & WS_VISIBLE) != 0 && (styles & WS_DISABLED) == 0;
}

}  // namespace

// Typing and pasting into an edit field, or the edit field of a combo box: the input rule of
// the dialog layer (see TakeFieldInput). Text the program sets is not changed.
LRESULT EditTyping(WNDPROC previous, bool upperCase, HWND edit, UINT message, WPARAM wParam,
                   LPARAM lParam) {
  if (TakeFieldInput(edit, message, wParam, upperCase)) return 0;
  return CallWindowProcW(previous, edit, message, wParam, lParam);
}

// A button pressed with the mouse takes the focus first; when that focus move opens a modal
// window (a field's check answering with its message), that window has taken the press: the
// button is not left down, and the release that follows does not click it.
LRESULT ButtonPress(WNDPROC previous, HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK) {
    return CallWindowProcW(previous, button, message, wParam, lParam);
  }
  const int runsBefore = ModalScope::RunsStarted();
  const LRESULT result = CallWindowProcW(previous, button, message, wParam, lParam);
  if (ModalScope::RunsStarted() != runsBefore) {
    if (GetCapture() == button) ReleaseCapture();
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
  }
  return result;
}

namespace {

bool IsButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton;
}

}  // namespace

void NativeDialog::State::Initialise() {
  // Children are made in template order, which is also their order among the window's
  // children.
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    controls.push_back(child);
  }
  controls.resize(dialogTemplate.controls.size(), nullptr);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlTemplate& control = dialogTemplate.controls[i];
    if (control.kind == ControlKind::kComboDropDown ||
        control.kind == ControlKind::kComboDropList) {
      for (const std::string& item : control.items) {
        SendMessageW(controls[i], CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromLatin1(item).c_str()));
      }
    }
    if (ControlHook* hook = HookControl(FieldEditOf(controls[i], control.kind))) {
      hook->typing = true;
      hook->upperCase = (control.flags & style::kUpperCase) != 0;
    }
    if (IsButton(control.kind)) {
      if (ControlHook* hook = HookControl(controls[i])) hook->press = true;
    }
    if (control.kind == ControlKind::kIcon) {
      const int iconId = std::atoi(control.caption.c_str());
      HICON icon =
          static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                        IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
      if (icon != nullptr)
        SendMessageW(controls[i], STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
  }
}

void NativeDialog::State::RunCreated() {
  if (!created) return;
  holdingNames = true;
  heldNames.assign(controls.size(), std::nullopt);
  created();
  holdingNames = false;
  for (std::size_t i = 0; i < heldNames.size() && i < controls.size(); ++i) {
    if (heldNames[i] && controls[i] != nullptr) {
      win32::SetAccessibleName(controls[i], *heldNames[i]);
    }
  }
  heldNames.clear();
}

void NativeDialog::State::CentreOverOwner() {
  RECT own{};
  RECT over{};
  GetWindowRect(window, &own);
  if (owner == nullptr || !IsWindowVisible(owner) || GetWindowRect(owner, &over) == FALSE) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  }
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(window, nullptr, over.left + (over.right - over.left - width) / 2,
               over.top + (over.bottom - over.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR NativeDialog::State::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCDESTROY:
      // The system destroys a dialog box when its run ends; its handles are gone with it.
      window = nullptr;
      pendingFocus = nullptr;
      iconId = 0;
      controls.assign(controls.size(), nullptr);
      return FALSE;
    case WM_COMMAND: {
      if (dying) return TRUE;
      const int id = static_cast<short>(LOWORD(wParam));
      const UINT code = HIWORD(wParam);
      HWND from = reinterpret_cast<HWND>(lParam);
      if (from == nullptr) {
        // Enter and Esc from the dialog manager: Enter only in a window with a default button.
        if (id == IDOK && DialogHasDefaultButton(dialogTemplate)) events.Command(IDOK, BN_CLICKED);
        if (id == IDCANCEL) events.Command(IDCANCEL, BN_CLICKED);
        return TRUE;
      }
      const int index = IndexOf(from);
      if (index < 0 || id == kStatic) return TRUE;
      const ControlKind kind = KindAt(index);
      const bool combo = kind == ControlKind::kComboDropDown || kind == ControlKind::kComboDropList;
      if (code == EN_CHANGE || (combo && code == CBN_EDITCHANGE)) {
        if (quiet == 0) events.Command(IdAt(index), EN_CHANGE);
      } else if (code == EN_KILLFOCUS || (combo && code == CBN_KILLFOCUS)) {
        // Only a move to another control of this window is a focus loss the window hears of;
        // a message box or another window taking the activation is not.
        if (IndexOf(GetFocus()) >= 0) events.Command(IdAt(index), code);
      } else if (combo && code == CBN_SELCHANGE) {
        if (quiet == 0) events.Command(IdAt(index), CBN_SELCHANGE);
      } else if (!combo && code == BN_CLICKED) {
        if (id == IDOK && GetKeyState(VK_RETURN) < 0 && !DialogHasDefaultButton(dialogTemplate)) {
          return TRUE;
        }
        events.Command(IdAt(index), BN_CLICKED);
      }
      return TRUE;
    }
    case WM_VSCROLL: {
      const int index = IndexOf(reinterpret_cast<HWND>(lParam));
      if (dying || index < 0) return TRUE;
      const UINT code = LOWORD(wParam);
      int pos = HIWORD(wParam);
      if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        if (GetScrollInfo(controls[static_cast<std::size_t>(index)], SB_CTL, &info) != FALSE) {
          pos = info.nTrackPos;
        }
      }
      events.VScroll(IdAt(index), code, pos);
      return TRUE;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE && DropsInputNow()) {
        CountDroppedInput();
        return TRUE;
      }
      return events.SysCommand(static_cast<unsigned>(wParam), lParam) ? TRUE : FALSE;
    case WM_CLOSE:
      if (DropsInputNow()) {
        CountDroppedInput();
        return TRUE;
      }
      events.SysCommand(SC_CLOSE, 0);
      return TRUE;
    case WM_HELP:
      events.Help();
      return TRUE;
    case WM_SETCURSOR:
      if (WaitCursorShown()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

NativeDialog::NativeDialog(DialogEvents& events, const DialogTemplate& dialogTemplate)
    : state_(std::make_unique<State>(events, dialogTemplate)) {
  state_->controls.resize(dialogTemplate.controls.size(), nullptr);
}

void NativeDialog::Create(Window owner) {
  State& s = *state_;
  if (s.window != nullptr) return;
  s.owner = static_cast<HWND>(owner);
  s.controls.clear();
  const std::vector<WORD> bytes = BuildDialogTemplate(s.dialogTemplate);
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                             reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), s.owner, &Procedure,
                             reinterpret_cast<LPARAM>(&s));
  s.controls.resize(s.dialogTemplate.controls.size(), nullptr);
}

void NativeDialog::RunBox(Window owner, const std::function<void()>& created) {
  State& s = *state_;
  if (s.window != nullptr) return;
  s.owner = static_cast<HWND>(owner);
  s.controls.clear();
  s.box = true;
  s.created = created;
  if (g_boxes.empty()) {
    g_boxFilter = SetWindowsHookExW(WH_MSGFILTER, &FilterBoxInput, nullptr, GetCurrentThreadId());
  }
  g_boxes.push_back(&s);
  const std::vector<WORD> bytes = BuildDialogTemplate(s.dialogTemplate);
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                          reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), s.owner, &Procedure,
                          reinterpret_cast<LPARAM>(&s));
  g_boxes.pop_back();
  if (g_boxes.empty() && g_boxFilter != nullptr) {
    UnhookWindowsHookEx(g_boxFilter);
    g_boxFilter = nullptr;
  }
  s.created = nullptr;
  s.controls.resize(s.dialogTemplate.controls.size(), nullptr);
}

NativeDialog::~NativeDialog() {
  State& s = *state_;
  s.dying = true;
  if (s.window != nullptr) {
    if (s.owner != nullptr && IsWindowVisible(s.window)) {
      // The owner gets the activation back before this window goes.
      EnableWindow(s.owner, TRUE);
      SetActiveWindow(s.owner);
    }
    SetWindowLongPtrW(s.window, DWLP_USER, 0);
    DestroyWindow(s.window);
  }
  for (HICON icon : s.icons) DestroyIcon(icon);
}

Window NativeDialog::Handle() const { return state_->window; }

int NativeDialog::FocusedIndex() const {
  if (state_->pendingFocus != nullptr) return state_->IndexOf(state_->pendingFocus);
  return state_->IndexOf(GetFocus());
}

void NativeDialog::FocusControl(int index) { state_->Focus(state_->At(index)); }

void NativeDialog::FocusFirstControl() {
  State& s = *state_;
  HWND any = nullptr;
  for (std::size_t i = 0; i < s.controls.size(); ++i) {
    HWND control = s.controls[i];
    if (control == nullptr || !TakesFocus(control, s.dialogTemplate.controls[i].kind)) continue;
    if ((GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0) {
      s.Focus(control);
      return;
    }
    if (any == nullptr) any = control;
  }
  s.Focus(any);
}

void NativeDialog::SetTitle(const CString& caption) {
  if (state_->window != nullptr) SetWindowTextW(state_->window, WideFromLatin1(caption).c_str());
}

CString NativeDialog::GetTitle() const {
  return state_->window != nullptr ? Latin1FromWide(WindowTextOf(state_->window)) : CString();
}

void NativeDialog::SetIcon(int iconId) {
  State& s = *state_;
  // Both sizes come from one call: the big and the small icon of the same resource (a window
  // sets both, one after the other) are loaded once.
  if (s.window == nullptr || iconId == s.iconId) return;
  s.iconId = iconId;
  const struct {
    WPARAM which;
    int metric;
  } sizes[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
  for (const auto& size : sizes) {
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                               IMAGE_ICON, GetSystemMetrics(size.metric),
                                               GetSystemMetrics(size.metric), 0));
    if (icon == nullptr) continue;
    s.icons.push_back(icon);
    SendMessageW(s.window, WM_SETICON, size.which, reinterpret_cast<LPARAM>(icon));
  }
}

void NativeDialog::Corner(int& x, int& y) const {
  RECT rect{};
  if (state_->window != nullptr) GetWindowRect(state_->window, &rect);
  x = rect.left;
  y = rect.top;
}

void NativeDialog::AppendSystemMenuItem(bool separator, unsigned command, const CString& text) {
  if (state_->window == nullptr) return;
  HMENU menu = GetSystemMenu(state_->window, FALSE);
  if (menu == nullptr) return;
  if (separator) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  } else {
    AppendMenuW(menu, MF_STRING, command, WideFromLatin1(text).c_str());
  }
}

void NativeDialog::Show() {
  State& s = *state_;
  if (s.window == nullptr) return;
  ShowWindow(s.window, SW_SHOW);
  if (s.pendingFocus != nullptr) s.Focus(s.pendingFocus);
}

void NativeDialog::Hide() {
  if (state_->window != nullptr) ShowWindow(state_->window, SW_HIDE);
}

bool NativeDialog::IsVisible() const {
  return state_->window != nullptr && IsWindowVisible(state_->window) != FALSE;
}

void NativeDialog::Activate() {
  if (state_->window == nullptr) return;
  SetForegroundWindow(state_->window);
  SetActiveWindow(state_->window);
  PumpMessages();
}

void NativeDialog::RunModal() {
  State& s = *state_;
  if (s.window == nullptr || s.ended) return;
  const bool ownerWasEnabled = s.owner != nullptr && IsWindowEnabled(s.owner) != FALSE;
  if (ownerWasEnabled) EnableWindow(s.owner, FALSE);
  s.CentreOverOwner();
  Show();
  SetForegroundWindow(s.window);
  MSG message{};
  bool quit = false;
  while (!s.ended) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      break;
    }
    if (got < 0) break;
    if (DropInput(message) || s.IgnoresEnter(message)) continue;
    if (IsDialogMessageW(s.window, &message) == FALSE) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (ownerWasEnabled) {
    EnableWindow(s.owner, TRUE);
    SetActiveWindow(s.owner);
  }
  Hide();
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

void NativeDialog::End() {
  State& s = *state_;
  s.ended = true;
  if (s.window == nullptr) return;
  if (s.box) {
    EndDialog(s.window, IDOK);  // the dialog layer keeps the end code
  } else {
    PostMessageW(s.window, WM_NULL, 0, 0);
  }
}

bool NativeDialog::HasEnded() const { return state_->ended; }

void NativeDialog::Enable(int index, bool enable) {
  if (HWND control = state_->At(index)) EnableWindow(control, enable ? TRUE : FALSE);
}

bool NativeDialog::IsEnabled(int index) const {
  HWND control = state_->At(index);
  return control != nullptr && IsWindowEnabled(control) != FALSE;
}

bool NativeDialog::IsVisible(int index) const {
  HWND control = state_->At(index);
  return control != nullptr && IsWindowVisible(control) != FALSE;
}

void NativeDialog::SetText(int index, const CString& text) {
  State& s = *state_;
  HWND control = s.At(index);
  if (control == nullptr) return;
  const std::wstring wide = WideFromLatin1(text);
  s.Quietly([&] {
    if (s.KindAt(index) == ControlKind::kComboDropList) {
      const LRESULT found = SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(wide.c_str()));
      SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    } else {
      SetWindowTextW(control, wide.c_str());
    }
  });
}

CString NativeDialog::GetText(int index) const {
  HWND control = state_->At(index);
  if (control == nullptr) return CString();
  if (state_->KindAt(index) == ControlKind::kComboDropList) {
    const LRESULT selected = SendMessageW(control, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? CString() : ItemText(index, static_cast<int>(selected));
  }
  return Latin1FromWide(WindowTextOf(control));
}

void NativeDialog::SetCheck(int index, bool checked) {
  State& s = *state_;
  HWND control = s.At(index);
  if (control == nullptr) return;
  if (!checked || s.KindAt(index) != ControlKind::kRadioButton) {
    SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return;
  }
  // An automatic radio button told to check itself also clears the rest of its group, which
  // the system finds by walking the window's controls one by one (under Wine a round trip to
  // the wineserver for each step: about 300 in the main window). The dialog layer sets every
  // button of a group itself, so the button takes its check as a plain radio button.
  const auto buttonStyle = static_cast<WPARAM>(GetWindowLongPtrW(control, GWL_STYLE) & 0xFFFF);
  SendMessageW(control, BM_SETSTYLE, (buttonStyle & ~BS_TYPEMASK) | BS_RADIOBUTTON, FALSE);
  SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(control, BM_SETSTYLE, buttonStyle, FALSE);
}

bool NativeDialog::IsChecked(int index) const {
  return state_->Send(index, BM_GETCHECK) == BST_CHECKED;
}

void NativeDialog::SelectAllText(int index) {
  if (state_->At(index) == nullptr) return;
  if (state_->KindAt(index) == ControlKind::kEdit) {
    state_->Send(index, EM_SETSEL, 0, -1);
  } else {
    state_->Send(index, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  }
}

void NativeDialog::LimitText(int index, int maxChars) {
  if (state_->At(index) == nullptr) return;
  state_->Send(index, state_->KindAt(index) == ControlKind::kEdit ? EM_LIMITTEXT : CB_LIMITTEXT,
               static_cast<WPARAM>(maxChars));
}

int NativeDialog::ItemCount(int index) const {
  const LRESULT count = state_->Send(index, CB_GETCOUNT);
  return count < 0 ? 0 : static_cast<int>(count);
}

CString NativeDialog::ItemText(int index, int item) const {
  const LRESULT length = state_->Send(index, CB_GETLBTEXTLEN, static_cast<WPARAM>(item));
  if (length <= 0) return CString();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  state_->Send(index, CB_GETLBTEXT, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Latin1FromWide(text);
}

void NativeDialog::SetCurSel(int index, int item) {
  State& s = *state_;
  s.Quietly([&] { s.Send(index, CB_SETCURSEL, static_cast<WPARAM>(item)); });
}

void NativeDialog::SetScrollRange(int index, int minPos, int maxPos) {
  HWND bar = state_->At(index);
  if (bar == nullptr) return;
  const int pos = ::GetScrollPos(bar, SB_CTL);
  ::SetScrollRange(bar, SB_CTL, minPos, maxPos, TRUE);
  ::SetScrollPos(bar, SB_CTL, pos < minPos ? minPos : (pos > maxPos ? maxPos : pos), TRUE);
}

void NativeDialog::GetScrollRange(int index, int& minPos, int& maxPos) const {
  minPos = 0;
  maxPos = 0;
  if (HWND bar = state_->At(index)) ::GetScrollRange(bar, SB_CTL, &minPos, &maxPos);
}

void NativeDialog::SetScrollPos(int index, int pos) {
  HWND bar = state_->At(index);
  if (bar == nullptr) return;
  int minPos = 0;
  int maxPos = 0;
  ::GetScrollRange(bar, SB_CTL, &minPos, &maxPos);
  ::SetScrollPos(bar, SB_CTL, pos < minPos ? minPos : (pos > maxPos ? maxPos : pos), TRUE);
}

int NativeDialog::GetScrollPos(int index) const {
  HWND bar = state_->At(index);
  return bar != nullptr ? ::GetScrollPos(bar, SB_CTL) : 0;
}

void NativeDialog::SetAccessibleName(int index, const CString& name) {
  State& s = *state_;
  HWND control = s.At(index);
  if (control == nullptr) return;
  if (s.holdingNames) {
    s.heldNames[static_cast<std::size_t>(index)] = name;
  } else {
    win32::SetAccessibleName(control, name);
  }
}

Window NativeDialog::ControlHandle(int index) const { return state_->At(index); }

}  // namespace tqr417::fw::win32
