#include "framework/ddx.h"

#include <cstdio>

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/number_text.h"
#include "framework/scroll_bar.h"
#include "framework/wnd.h"

namespace {

template <typename... Args>
CString Formatted(const char* format, Args... args) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return CString(buffer);
}

bool Saving(const CDataExchange* pDX) { return pDX->m_bSaveAndValidate != FALSE; }

// Letters compared without their case: a to z, and the Latin-1 letters A-grave to Thorn.
char FoldCase(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<char>(byte + 0x20);
  }
  return ch;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
  }
  return true;
}

bool IsEditableCombo(CDataExchange* pDX, int controlId) {
  const auto* dialogTemplate = pDX->m_pDlgWnd->Template();
  const auto* control =
      dialogTemplate == nullptr ? nullptr : dialogTemplate->FindControl(controlId);
  return control != nullptr && control->kind == tqr417::fw::ControlKind::kComboDropDown;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int controlId, int& value) {
  if (pDX->Failed()) return;
  CWnd* control = pDX->PrepareEditCtrl(controlId);
  if (control == nullptr) return;
  if (!Saving(pDX)) {
    control->SetWindowText(Formatted("%d", value));
    return;
  }
  const auto number = tqr417::fw::ParseSignedField(control->GetWindowText().str());
  if (!number) {
    pDX->Fail("Please enter an integer.");
    return;
  }
  value = *number;
}

void DDX_Text(CDataExchange* pDX, int controlId, UINT& value) {
  if (pDX->Failed()) return;
  CWnd* control = pDX->PrepareEditCtrl(controlId);
  if (control == nullptr) return;
  if (!Saving(pDX)) {
    control->SetWindowText(Formatted("%u", static_cast<unsigned>(value)));
    return;
  }
  const auto number = tqr417::fw::ParseUnsignedField(control->GetWindowText().str());
  if (!number) {
    pDX->Fail("Please enter a positive integer.");
    return;
  }
  value = *number;
}

void DDX_Text(CDataExchange* pDX, int controlId, CString& value) {
  if (pDX->Failed()) return;
  CWnd* control = pDX->PrepareEditCtrl(controlId);
  if (control == nullptr) return;
  if (Saving(pDX)) {
    value = control->GetWindowText();
  } else {
    control->SetWindowText(value);
  }
}

void DDX_Check(CDataExchange* pDX, int controlId, int& value) {
  if (pDX->Failed()) return;
  CWnd* control = pDX->PrepareCtrl(controlId);
  if (control == nullptr) return;
  if (Saving(pDX)) {
    value = control->GetCheck();
  } else {
    control->SetCheck(value != 0 ? 1 : 0);
  }
}

void DDX_Radio(CDataExchange* pDX, int controlId, int& value) {
  if (pDX->Failed()) return;
  if (pDX->PrepareCtrl(controlId) == nullptr) return;
  if (Saving(pDX)) {
    value = pDX->m_pDlgWnd->GetRadioGroupIndex(controlId);
  } else {
    pDX->m_pDlgWnd->SetRadioGroupIndex(controlId, value);
  }
}

void DDX_CBString(CDataExchange* pDX, int controlId, CString& value) {
  if (pDX->Failed()) return;
  CWnd* control = pDX->PrepareEditCtrl(controlId);
  if (control == nullptr) return;
  if (Saving(pDX)) {
    value = control->GetWindowText();
    return;
  }
  int match = -1;
  if (!value.IsEmpty()) {
    for (int i = 0; i < control->GetCount(); ++i) {
      if (StartsWithNoCase(control->GetLBText(i).str(), value.str())) {
        match = i;
        break;
      }
    }
  }
  const bool editable = IsEditableCombo(pDX, controlId);
  if (match >= 0) {
    control->SetCurSel(match);
    if (editable) control->SetWindowText(control->GetLBText(match));
  } else if (editable) {
    control->SetCurSel(-1);
    control->SetWindowText(value);
  }
  // A drop-down list without a matching item keeps its selection.
}

void DDX_Control(CDataExchange* pDX, int controlId, CScrollBar& control) {
  if (pDX->Failed()) return;
  if (pDX->PrepareCtrl(controlId) == nullptr) return;
  pDX->m_pDlgWnd->AttachControl(controlId, control);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue) {
  if (pDX->Failed() || !Saving(pDX)) return;
  if (value < minValue || value > maxValue) {
    pDX->Fail(Formatted("Please enter an integer between %d and %d.", minValue, maxValue));
  }
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue) {
  if (pDX->Failed() || !Saving(pDX)) return;
  if (value < minValue || value > maxValue) {
    pDX->Fail(Formatted("Please enter an integer between %u and %u.",
                        static_cast<unsigned>(minValue), static_cast<unsigned>(maxValue)));
  }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
  if (pDX->Failed()) return;
  if (!Saving(pDX)) {
    if (CWnd* control = pDX->m_pDlgWnd->GetDlgItem(pDX->LastControlId())) {
      control->LimitText(maxChars);
    }
    return;
  }
  if (value.GetLength() > maxChars) {
    pDX->Fail(Formatted("Please enter no more than %d characters.", maxChars));
  }
}
