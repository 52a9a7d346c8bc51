#include "framework/win32/control_subclass.h"
#include "framework/win32/win32_dialog_peer.h"
#include "platform/wide_text.h"

namespace tqr417::fw {

LRESULT Win32ControlPeer::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return item_ != nullptr ? SendMessageW(item_, message, wParam, lParam) : 0;
}

// Without a window (nullptr) the system does nothing and answers FALSE and 0.
void Win32ControlPeer::Enable(bool enable) { EnableWindow(item_, enable ? TRUE : FALSE); }
bool Win32ControlPeer::IsEnabled() const { return IsWindowEnabled(item_) != FALSE; }
bool Win32ControlPeer::IsVisible() const {
  return (GetWindowLongPtrW(item_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32ControlPeer::SetText(const CString& text) {
  const std::wstring wide = WideFromLatin1(text.str());
  if (kind_ == ControlKind::kComboDropList) {
    const LRESULT found =
        Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str()));
    Send(CB_SETCURSEL, static_cast<WPARAM>(found));
  } else {
    SetWindowTextW(item_, wide.c_str());
  }
}

CString Win32ControlPeer::GetText() const {
  if (item_ == nullptr) return CString();
  if (kind_ == ControlKind::kComboDropList) {
    const LRESULT selected = Send(CB_GETCURSEL);
    return selected == CB_ERR ? CString() : ItemText(static_cast<int>(selected));
  }
  return Latin1FromWide(WindowTextOf(item_));
}

void Win32ControlPeer::SetFocus() {
  if (item_ != nullptr) dialog_->Focus(item_);
}

void Win32ControlPeer::SetAccessibleName(const CString& name) {
  name_ = name;
  fw::SetAccessibleName(item_, name);
}

// What assistive technology reads from the control while it exists. A control given no name
// has none of ours (the system may guess one from the text beside it).
CString Win32ControlPeer::GetAccessibleName() const {
  return name_.IsEmpty() || item_ == nullptr ? name_ : AccessibleNameOf(item_);
}

void Win32ControlPeer::SetCheck(bool checked) {
  if (!checked || kind_ != ControlKind::kRadioButton) {
    Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    return;
  }
  // An automatic radio button told to check itself also clears the rest of its group, which
  // the system finds by walking the window's controls one by one (under Wine a round trip to
  // the wineserver for each step: about 300 in the main window). The dialog layer sets every
  // button of a group itself, so the button takes its check as a plain radio button.
  const auto buttonStyle = static_cast<WPARAM>(GetWindowLongPtrW(item_, GWL_STYLE) & 0xFFFF);
  Send(BM_SETSTYLE, (buttonStyle & ~BS_TYPEMASK) | BS_RADIOBUTTON, FALSE);
  Send(BM_SETCHECK, BST_CHECKED);
  Send(BM_SETSTYLE, buttonStyle, FALSE);
}

bool Win32ControlPeer::IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void Win32ControlPeer::SelectAllText() {
  if (kind_ == ControlKind::kEdit) {
    Send(EM_SETSEL, 0, -1);
  } else {
    Send(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  }
}

void Win32ControlPeer::LimitText(int maxChars) {
  Send(kind_ == ControlKind::kEdit ? EM_LIMITTEXT : CB_LIMITTEXT, static_cast<WPARAM>(maxChars));
}

int Win32ControlPeer::ItemCount() const {
  const LRESULT count = Send(CB_GETCOUNT);
  return count < 0 ? 0 : static_cast<int>(count);
}

CString Win32ControlPeer::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return CString();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Latin1FromWide(text);
}

void Win32ControlPeer::SetCurSel(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

void Win32ControlPeer::SetScrollRange(int minPos, int maxPos) {
  ::SetScrollRange(item_, SB_CTL, minPos, maxPos, TRUE);
}

void Win32ControlPeer::GetScrollRange(int& minPos, int& maxPos) const {
  minPos = maxPos = 0;
  if (item_ != nullptr) ::GetScrollRange(item_, SB_CTL, &minPos, &maxPos);
}

void Win32ControlPeer::SetScrollPos(int pos) { ::SetScrollPos(item_, SB_CTL, pos, TRUE); }

int Win32ControlPeer::GetScrollPos() const { return ::GetScrollPos(item_, SB_CTL); }

}  // namespace tqr417::fw
