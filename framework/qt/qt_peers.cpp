#include "framework/qt/qt_peers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "framework/dialog.h"
#include "framework/qt/control_factory.h"
#include "framework/qt/edit_validator.h"
#include "framework/qt/qt_access.h"
#include "framework/qt/qt_icons.h"
#include "framework/qt/qt_text.h"
#include "framework/template_rules.h"
#include "framework/wnd.h"

namespace tqr417::fw {
namespace {

QLineEdit* EditOf(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit;
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
  return nullptr;
}

constexpr int kActivationTimeoutMs = 1000;

}  // namespace

// ---- Controls -----------------------------------------------------------------------------

void QtControlPeer::Enable(bool enable) {
  if (!widget_.isNull()) widget_->setEnabled(enable);
}

bool QtControlPeer::IsEnabled() const { return !widget_.isNull() && widget_->isEnabled(); }

bool QtControlPeer::IsVisible() const {
  return !widget_.isNull() && widget_->isVisibleTo(widget_->window());
}

void QtControlPeer::SetText(const CString& text) {
  QWidget* widget = widget_.data();
  if (widget == nullptr) return;
  const QString qtext = ToQString(text);
  if (QLineEdit* edit = EditOf(widget)) {
    // The program's text is taken as it is: the field's input rules are for the user's input.
    const QValidator* validator = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(qtext);
    edit->setValidator(validator);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    const int index = combo->findText(qtext, Qt::MatchFixedString);
    if (index >= 0) combo->setCurrentIndex(index);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(qtext);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(QString::fromLatin1(DisplayCaption(text.str())));
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(qtext);
  }
}

CString QtControlPeer::GetText() const {
  QWidget* widget = widget_.data();
  if (widget == nullptr) return CString();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return FromQString(edit->text());
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->isEditable()) return FromQString(combo->currentText());
    return combo->currentIndex() < 0 ? CString()
                                     : FromQString(combo->itemText(combo->currentIndex()));
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return FromQString(button->text());
  if (auto* label = qobject_cast<QLabel*>(widget)) return FromQString(label->text());
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return FromQString(group->title());
  return CString();
}

void QtControlPeer::SetFocus() {
  if (!widget_.isNull()) widget_->setFocus(Qt::TabFocusReason);  // a line edit selects its text
}

void QtControlPeer::SetAccessibleName(const CString& name) {
  if (!widget_.isNull()) widget_->setAccessibleName(ToQString(name));
}

CString QtControlPeer::GetAccessibleName() const {
  return widget_.isNull() ? CString() : FromQString(widget_->accessibleName());
}

void QtControlPeer::SetCheck(bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) button->setChecked(checked);
}

bool QtControlPeer::IsChecked() const {
  auto* button = qobject_cast<QAbstractButton*>(widget_.data());
  return button != nullptr && button->isChecked();
}

void QtControlPeer::SelectAllText() {
  if (QLineEdit* edit = EditOf(widget_.data())) edit->selectAll();
}

void QtControlPeer::LimitText(int maxChars) {
  if (EditValidator* validator = ValidatorOf(widget_.data())) validator->SetMaxChars(maxChars);
}

int QtControlPeer::ItemCount() const {
  auto* combo = qobject_cast<QComboBox*>(widget_.data());
  return combo == nullptr ? 0 : combo->count();
}

CString QtControlPeer::ItemText(int index) const {
  auto* combo = qobject_cast<QComboBox*>(widget_.data());
  return combo == nullptr ? CString() : FromQString(combo->itemText(index));
}

void QtControlPeer::SetCurSel(int index) {
  if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) combo->setCurrentIndex(index);
}

void QtControlPeer::SetScrollRange(int minPos, int maxPos) {
  if (auto* bar = qobject_cast<QScrollBar*>(widget_.data())) bar->setRange(minPos, maxPos);
}

void QtControlPeer::GetScrollRange(int& minPos, int& maxPos) const {
  if (auto* bar = qobject_cast<QScrollBar*>(widget_.data())) {
    minPos = bar->minimum();
    maxPos = bar->maximum();
  }
}

void QtControlPeer::SetScrollPos(int pos) {
  if (auto* bar = qobject_cast<QScrollBar*>(widget_.data())) bar->setValue(pos);
}

int QtControlPeer::GetScrollPos() const {
  auto* bar = qobject_cast<QScrollBar*>(widget_.data());
  return bar == nullptr ? 0 : bar->value();
}

// ---- The window ---------------------------------------------------------------------------

QtDialogPeer::QtDialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* parent)
    : window_(new DialogWindow(dialog, dialogTemplate, parent)) {
  for (int i = 0; i < window_->ControlCount(); ++i) {
    controls_.push_back(std::make_shared<QtControlPeer>(
        window_->ControlAt(i), dialogTemplate.controls[static_cast<std::size_t>(i)].kind));
  }
}

QtDialogPeer::~QtDialogPeer() { delete window_.data(); }

std::shared_ptr<ControlPeer> QtDialogPeer::Control(int index) const {
  if (index < 0 || index >= static_cast<int>(controls_.size())) return nullptr;
  return controls_[static_cast<std::size_t>(index)];
}

int QtDialogPeer::FocusedIndex() const {
  DialogWindow* window = window_.data();
  if (window == nullptr) return -1;
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || focused->window() != window) focused = window->focusWidget();
  for (QWidget* widget = focused; widget != nullptr && widget != window;
       widget = widget->parentWidget()) {
    const int index = window->IndexOf(widget);
    if (index >= 0) return index;
  }
  return -1;
}

void QtDialogPeer::SetTitle(const CString& caption) {
  if (!window_.isNull()) window_->setWindowTitle(ToQString(caption));
}

CString QtDialogPeer::GetTitle() const {
  return window_.isNull() ? CString() : FromQString(window_->windowTitle());
}

void QtDialogPeer::SetIcon(IconId icon) {
  if (!window_.isNull()) window_->setWindowIcon(QtIcon(icon));  // drawn in every size
}

void QtDialogPeer::End(int result) {
  if (!window_.isNull()) window_->done(result);
}

void QtDialogPeer::Show() {
  if (!window_.isNull()) window_->show();
}

void QtDialogPeer::Hide() {
  if (!window_.isNull()) window_->hide();
}

bool QtDialogPeer::IsVisible() const { return !window_.isNull() && window_->isVisible(); }

void QtDialogPeer::Activate() {
  if (window_.isNull()) return;
  window_->activateWindow();
  // Without a window manager (Xvfb) no window becomes active; go on after a while regardless.
  QDeadlineTimer deadline(kActivationTimeoutMs);
  while (!window_.isNull() && !window_->isActiveWindow() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

// ---- Access for the backend and tests ------------------------------------------------------

QDialog* QtWindow(const CDialog& dialog) {
  auto* peer = static_cast<QtDialogPeer*>(dialog.Peer());
  return peer == nullptr ? nullptr : peer->Window();
}

QWidget* QtWidget(const CWnd* control) {
  if (control == nullptr || control->Peer() == nullptr) return nullptr;
  return static_cast<QtControlPeer*>(control->Peer())->Widget();
}

namespace toolkit {

std::unique_ptr<DialogPeer> CreateDialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                             CDialog* owner) {
  QWidget* parent = owner != nullptr ? QtWindow(*owner) : nullptr;
  if (parent == nullptr && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
    parent = QApplication::activeWindow();
  }
  return std::make_unique<QtDialogPeer>(dialog, dialogTemplate, parent);
}

}  // namespace toolkit
}  // namespace tqr417::fw
