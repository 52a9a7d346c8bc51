#include "framework/testing/dialog_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <string>

#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/qt/qt_access.h"
#include "framework/toolkit.h"
#include "framework/wnd.h"

namespace tqr417::fw {
namespace {

QLineEdit* EditOf(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit;
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
  return nullptr;
}

QWidget* ControlOf(CDialog& dialog, int controlId) {
  return QtWidget(dialog.GetDlgItem(controlId));
}

}  // namespace

const int keys::kF1 = Qt::Key_F1;

void DialogDriver::Settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

void DialogDriver::Focus(int controlId) {
  QWidget* control = ControlOf(dialog_, controlId);
  if (control == nullptr || (control->focusPolicy() & Qt::ClickFocus) == 0) return;
  control->setFocus(Qt::MouseFocusReason);
  Settle();
}

void DialogDriver::Type(int controlId, std::string_view text) {
  // Latin-1: each byte is the character of the same number.
  std::u16string units;
  for (const char byte : text) units.push_back(static_cast<unsigned char>(byte));
  Type(controlId, units);
}

void DialogDriver::Type(int controlId, std::u16string_view text) {
  Focus(controlId);
  QLineEdit* edit = EditOf(ControlOf(dialog_, controlId));
  if (edit == nullptr || !edit->isEnabled()) return;
  edit->selectAll();
  if (text.empty()) QTest::keyClick(edit, Qt::Key_Delete);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0x20 && unit < 0x7f) {
      QTest::keyClick(edit, static_cast<char>(unit));
      continue;
    }
    // Other characters have no key of their own: the text comes with an unknown key, the two
    // halves of a surrogate pair in one event.
    const std::size_t length = QChar::isHighSurrogate(unit) && i + 1 < text.size() ? 2 : 1;
    const QString typed = QString::fromUtf16(text.data() + i, static_cast<qsizetype>(length));
    i += length - 1;
    QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, typed, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, typed, Qt::NoModifier);
  }
  Settle();
}

void DialogDriver::Paste(int controlId, std::u16string_view text) {
  Focus(controlId);
  QLineEdit* edit = EditOf(ControlOf(dialog_, controlId));
  if (edit == nullptr || !edit->isEnabled()) return;
  QGuiApplication::clipboard()->setText(
      QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);  // QKeySequence::Paste
  Settle();
}

void DialogDriver::Click(int controlId) {
  Focus(controlId);
  auto* button = qobject_cast<QAbstractButton*>(ControlOf(dialog_, controlId));
  if (button == nullptr || !button->isEnabled() || !button->isVisibleTo(button->window())) return;
  button->click();
  Settle();
}

void DialogDriver::Choose(int controlId, int index) {
  Focus(controlId);
  auto* combo = qobject_cast<QComboBox*>(ControlOf(dialog_, controlId));
  if (combo == nullptr || !combo->isEnabled() || index < 0 || index >= combo->count()) return;
  combo->setCurrentIndex(index);
  emit combo->activated(index);
  Settle();
}

void DialogDriver::ScrollBar(int controlId, unsigned code) {
  auto* bar = qobject_cast<QScrollBar*>(ControlOf(dialog_, controlId));
  if (bar == nullptr || !bar->isEnabled()) return;
  switch (code) {
    case SB_LINEUP:
      bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case SB_LINEDOWN:
      bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case SB_PAGEUP:
      bar->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case SB_PAGEDOWN:
      bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    case SB_TOP:
      bar->triggerAction(QAbstractSlider::SliderToMinimum);
      break;
    case SB_BOTTOM:
      bar->triggerAction(QAbstractSlider::SliderToMaximum);
      break;
    default:
      return;
  }
  Settle();
}

void DialogDriver::Key(int key, int modifiers) {
  QDialog* window = QtWindow(dialog_);
  if (window == nullptr) return;
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr || target->window() != window) target = window->focusWidget();
  if (target == nullptr) target = window;
  QTest::keyClick(target, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
  Settle();
}

void DialogDriver::Tab() { Key(Qt::Key_Tab); }
void DialogDriver::BackTab() { Key(Qt::Key_Backtab, Qt::ShiftModifier); }
void DialogDriver::Esc() { Key(Qt::Key_Escape); }
void DialogDriver::Enter() { Key(Qt::Key_Return); }

void DialogDriver::CloseBox() {
  if (QDialog* window = QtWindow(dialog_)) window->close();
  Settle();
}

void DialogDriver::UserClick(int controlId) {
  if (QWidget* control = ControlOf(dialog_, controlId)) QTest::mouseClick(control, Qt::LeftButton);
}

void DialogDriver::UserChar(int controlId, char character) {
  QWidget* control = ControlOf(dialog_, controlId);
  if (QLineEdit* edit = EditOf(control)) control = edit;
  if (control != nullptr) QTest::keyClick(control, character);
}

void DialogDriver::UserCloseBox() {
  if (QDialog* window = QtWindow(dialog_)) window->close();
}

void DialogDriver::UserPress(int controlId) {
  if (QWidget* control = ControlOf(dialog_, controlId)) QTest::mousePress(control, Qt::LeftButton);
}

void DialogDriver::UserRelease(int controlId) {
  if (QWidget* control = ControlOf(dialog_, controlId)) {
    QTest::mouseRelease(control, Qt::LeftButton);
  }
}

bool DialogDriver::ButtonDown(int controlId) {
  auto* button = qobject_cast<QAbstractButton*>(ControlOf(dialog_, controlId));
  return button != nullptr && button->isDown();
}

void DialogDriver::Later(int delayMs, std::function<void()> act) {
  QTimer::singleShot(delayMs, std::move(act));
}

bool DialogDriver::TextSelected(int controlId) {
  QLineEdit* edit = EditOf(ControlOf(dialog_, controlId));
  return edit != nullptr && edit->selectedText() == edit->text();
}

}  // namespace tqr417::fw
