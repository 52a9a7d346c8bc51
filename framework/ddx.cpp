#include "framework/ddx.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QScrollBar>
#include <cstdio>

#include "framework/control_factory.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/dialog_window.h"
#include "framework/edit_validator.h"
#include "framework/number_text.h"
#include "framework/scroll_bar.h"
#include "framework/template_rules.h"
#include "framework/wnd.h"
#include "resources/dialog_template.h"

namespace {

template <typename... Args>
CString Formatted(const char* format, Args... args) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return CString(buffer);
}

bool Saving(const CDataExchange* pDX) { return pDX->m_bSaveAndValidate != FALSE; }

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
  auto* button = control == nullptr ? nullptr : qobject_cast<QAbstractButton*>(control->Widget());
  if (button == nullptr) return;
  if (Saving(pDX)) {
    value = button->isChecked() ? 1 : 0;
  } else {
    button->setChecked(value != 0);
  }
}

void DDX_Radio(CDataExchange* pDX, int controlId, int& value) {
  if (pDX->Failed()) return;
  CDialog* dialog = pDX->m_pDlgWnd;
  if (pDX->PrepareCtrl(controlId) == nullptr || dialog->Template() == nullptr) return;
  const auto& dialogTemplate = *dialog->Template();
  const std::vector<int> group =
      tqr417::fw::RadioGroupFrom(dialogTemplate, dialogTemplate.IndexOf(controlId));
  if (Saving(pDX)) value = -1;
  auto* window = static_cast<tqr417::fw::DialogWindow*>(dialog->Window());
  for (std::size_t k = 0; k < group.size(); ++k) {
    auto* button = qobject_cast<QAbstractButton*>(window->ControlAt(group[k]));
    if (button == nullptr) continue;
    if (Saving(pDX)) {
      if (button->isChecked() && value < 0) value = static_cast<int>(k);
    } else {
      button->setChecked(static_cast<int>(k) == value);
    }
  }
}

void DDX_CBString(CDataExchange* pDX, int controlId, CString& value) {
  if (pDX->Failed()) return;
  CWnd* control = pDX->PrepareEditCtrl(controlId);
  auto* combo = control == nullptr ? nullptr : qobject_cast<QComboBox*>(control->Widget());
  if (combo == nullptr) return;
  if (Saving(pDX)) {
    value = control->GetWindowText();
    return;
  }
  const QString text = value.ToQString();
  int match = -1;
  if (!text.isEmpty()) {
    for (int i = 0; i < combo->count(); ++i) {
      if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
        match = i;
        break;
      }
    }
  }
  if (match >= 0) {
    combo->setCurrentIndex(match);
    if (combo->isEditable()) combo->setEditText(combo->itemText(match));
  } else if (combo->isEditable()) {
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
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
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(pDX->LastControlId());
    if (control == nullptr) return;
    if (auto* validator = tqr417::fw::ValidatorOf(control->Widget())) {
      validator->SetMaxChars(maxChars);
    }
    return;
  }
  if (value.GetLength() > maxChars) {
    pDX->Fail(Formatted("Please enter no more than %d characters.", maxChars));
  }
}
