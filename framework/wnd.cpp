#include "framework/wnd.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "framework/template_rules.h"

CWnd::CWnd(QWidget* widget, int controlId) : widget_(widget), id_(controlId) {}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (widget_.isNull()) return FALSE;
  const BOOL wasDisabled = widget_->isEnabled() ? FALSE : TRUE;
  widget_->setEnabled(enable != FALSE);
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return !widget_.isNull() && widget_->isEnabled(); }

BOOL CWnd::IsWindowVisible() const {
  return !widget_.isNull() && widget_->isVisibleTo(widget_->window());
}

void CWnd::SetWindowText(const CString& text) {
  QWidget* widget = widget_.data();
  if (widget == nullptr) return;
  const QString qtext = text.ToQString();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(qtext);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->isEditable()) {
      combo->setEditText(qtext);
    } else {
      const int index = combo->findText(qtext, Qt::MatchFixedString);
      if (index >= 0) combo->setCurrentIndex(index);
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(qtext);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(QString::fromLatin1(tqr417::fw::DisplayCaption(text.str())));
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(qtext);
  } else if (widget->isWindow()) {
    widget->setWindowTitle(qtext);
  }
}

void CWnd::GetWindowText(CString& text) const { text = GetWindowText(); }

CString CWnd::GetWindowText() const {
  QWidget* widget = widget_.data();
  if (widget == nullptr) return CString();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return CString::FromQString(edit->text());
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->isEditable()) return CString::FromQString(combo->currentText());
    return combo->currentIndex() < 0 ? CString()
                                     : CString::FromQString(combo->itemText(combo->currentIndex()));
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return CString::FromQString(button->text());
  }
  if (auto* label = qobject_cast<QLabel*>(widget)) return CString::FromQString(label->text());
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return CString::FromQString(group->title());
  if (widget->isWindow()) return CString::FromQString(widget->windowTitle());
  return CString();
}

void CWnd::SetFocus() {
  if (!widget_.isNull()) widget_->setFocus(Qt::OtherFocusReason);
}

void CWnd::SetAccessibleName(const CString& name) {
  if (!widget_.isNull()) widget_->setAccessibleName(name.ToQString());
}

CString CWnd::GetAccessibleName() const {
  return widget_.isNull() ? CString() : CString::FromQString(widget_->accessibleName());
}
