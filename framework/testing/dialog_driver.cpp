#include "framework/testing/dialog_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "framework/dialog.h"
#include "framework/dialog_window.h"
#include "framework/wnd.h"

namespace tqr417::fw {
namespace {

QLineEdit* EditOf(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit;
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
  return nullptr;
}

}  // namespace

DialogDriver::DialogDriver(CDialog& dialog) : dialog_(dialog) {}

QWidget* DialogDriver::Control(int controlId) {
  CWnd* control = dialog_.GetDlgItem(controlId);
  return control == nullptr ? nullptr : control->Widget();
}

void DialogDriver::Settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

void DialogDriver::Focus(int controlId) {
  QWidget* control = Control(controlId);
  if (control == nullptr || (control->focusPolicy() & Qt::ClickFocus) == 0) return;
  control->setFocus(Qt::MouseFocusReason);
  Settle();
}

void DialogDriver::Type(int controlId, std::string_view text) {
  Focus(controlId);
  QLineEdit* edit = EditOf(Control(controlId));
  if (edit == nullptr || !edit->isEnabled()) return;
  edit->selectAll();
  if (text.empty()) {
    QTest::keyClick(edit, Qt::Key_Delete);
  } else {
    for (const char byte : text) {
      const QChar ch = QChar::fromLatin1(byte);
      if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f) {
        QTest::keyClick(edit, byte);
      } else {
        // Letters outside ASCII have no key of their own; send the text with an unknown key.
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
      }
    }
  }
  Settle();
}

void DialogDriver::Click(int controlId) {
  Focus(controlId);
  auto* button = qobject_cast<QAbstractButton*>(Control(controlId));
  if (button == nullptr || !button->isEnabled() || !button->isVisibleTo(button->window())) return;
  button->click();
  Settle();
}

void DialogDriver::Choose(int controlId, int index) {
  Focus(controlId);
  auto* combo = qobject_cast<QComboBox*>(Control(controlId));
  if (combo == nullptr || !combo->isEnabled() || index < 0 || index >= combo->count()) return;
  combo->setCurrentIndex(index);
  emit combo->activated(index);
  Settle();
}

void DialogDriver::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QDialog* window = dialog_.Window();
  if (window == nullptr) return;
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr || target->window() != window) target = window->focusWidget();
  if (target == nullptr) target = window;
  QTest::keyClick(target, key, modifiers);
  Settle();
}

void DialogDriver::CloseBox() {
  if (QDialog* window = dialog_.Window()) window->close();
  Settle();
}

int DialogDriver::FocusedId() const {
  auto* window = static_cast<DialogWindow*>(dialog_.Window());
  if (window == nullptr) return 0;
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || focused->window() != window) focused = window->focusWidget();
  for (QWidget* widget = focused; widget != nullptr && widget != window;
       widget = widget->parentWidget()) {
    const int index = window->IndexOf(widget);
    if (index >= 0) return dialog_.Template()->controls[static_cast<std::size_t>(index)].id;
  }
  return 0;
}

CString DialogDriver::Text(int controlId) {
  CWnd* control = dialog_.GetDlgItem(controlId);
  return control == nullptr ? CString() : control->GetWindowText();
}

bool DialogDriver::TextSelected(int controlId) {
  QLineEdit* edit = EditOf(Control(controlId));
  return edit != nullptr && edit->selectedText() == edit->text();
}

bool DialogDriver::Ended() const { return dialog_.HasEnded(); }

int DialogDriver::EndCode() const { return dialog_.EndCode(); }

}  // namespace tqr417::fw
