#include "framework/qt/dialog_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "framework/dialog.h"
#include "framework/dialog_units.h"
#include "framework/modal_scope.h"
#include "framework/qt/control_factory.h"
#include "framework/qt/qt_text.h"
#include "framework/qt/screen_units.h"
#include "framework/qt/scroll_bar_control.h"
#include "framework/template_rules.h"
#include "framework/toolkit.h"
#include "framework/win_types.h"

namespace tqr417::fw {
namespace {

using fw::ControlKind;

QFont DialogFont(const fw::DialogTemplate& dialogTemplate) {
  QFont font;
  QStringList families;
  if (dialogTemplate.fontName != "MS Sans Serif" && !dialogTemplate.fontName.empty()) {
    families << QString::fromLatin1(dialogTemplate.fontName);
  }
  // The 8-point dialog font: Liberation Sans has the metrics the layouts were made for.
  families << QStringLiteral("Liberation Sans") << QStringLiteral("Arial")
           << QStringLiteral("Helvetica") << QStringLiteral("DejaVu Sans");
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(dialogTemplate.fontPoints > 0 ? dialogTemplate.fontPoints : 8);
  return font;
}

Qt::WindowFlags FlagsOf(const fw::DialogTemplate& dialogTemplate) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if ((dialogTemplate.flags & fw::dialog_style::kCaption) != 0) flags |= Qt::WindowTitleHint;
  if ((dialogTemplate.flags & fw::dialog_style::kSysMenu) != 0) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  return flags;
}

}  // namespace

DialogWindow::DialogWindow(CDialog& owner, const fw::DialogTemplate& dialogTemplate,
                           QWidget* parent)
    : QDialog(parent, FlagsOf(dialogTemplate)), owner_(owner), template_(dialogTemplate) {
  const DialogUnits units = ScreenDialogUnits();
  setFont(DialogFont(dialogTemplate));
  setWindowTitle(QString::fromLatin1(dialogTemplate.caption));
  setFixedSize(units.ToPixelsX(dialogTemplate.width), units.ToPixelsY(dialogTemplate.height));

  const auto& controls = dialogTemplate.controls;
  controls_.reserve(controls.size());
  lastTrackPos_.assign(controls.size(), 0);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const int index = static_cast<int>(i);
    QWidget* widget = CreateControl(controls[i], this, units);
    widget->setAccessibleName(QString::fromLatin1(DefaultAccessibleName(dialogTemplate, index)));
    controls_.push_back(widget);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      ConnectButton(index, button);
      button->installEventFilter(this);
    }
    if (auto* bar = qobject_cast<ScrollBarControl*>(widget)) ConnectScrollBar(index, bar);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      combo->installEventFilter(this);
      connect(combo, &QComboBox::activated, this,
              [this, index](int) { owner_.SendNotify(IdAt(index), CBN_SELCHANGE); });
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->installEventFilter(this);
  }

  auto* sysMenu = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
  // Alt+Space opens the system menu stand-in at the window's top-left corner.
  connect(sysMenu, &QShortcut::activated, this, [this] {
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    DialogPeerAccess::OpenSystemMenuAt(owner_, ScreenPoint{corner.x(), corner.y()});
  });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { DialogPeerAccess::Help(owner_); });
}

DialogWindow::~DialogWindow() {
  // Controls losing the focus while they are torn down must not reach the dialog.
  dying_ = true;
  for (QWidget* widget : controls_) {
    widget->removeEventFilter(this);
    widget->disconnect(this);
  }
  qDeleteAll(controls_);
  controls_.clear();
}

int DialogWindow::IndexOf(const QWidget* widget) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == widget) return static_cast<int>(i);
  }
  return -1;
}

int DialogWindow::IdAt(int index) const {
  return template_.controls[static_cast<std::size_t>(index)].id;
}

void DialogWindow::ConnectButton(int index, QAbstractButton* button) {
  const ControlKind kind = template_.controls[static_cast<std::size_t>(index)].kind;
  connect(button, &QAbstractButton::clicked, this, [this, index, kind, button] {
    if (kind == ControlKind::kRadioButton) {
      // A click selects the button (also when it was selected) and clears its group.
      for (const int other : RadioGroupOf(template_, index)) {
        if (auto* radio = qobject_cast<QAbstractButton*>(ControlAt(other))) {
          radio->setChecked(other == index);
        }
      }
      button->setChecked(true);
    }
    owner_.SendNotify(IdAt(index), BN_CLICKED);
  });
}

void DialogWindow::ConnectScrollBar(int index, ScrollBarControl* bar) {
  bar->SetRequester([this, index](UINT code, int pos) {
    DialogPeerAccess::VScroll(owner_, IdAt(index), code, pos);
  });
  connect(bar, &QAbstractSlider::actionTriggered, this,
          [this, index, bar](int action) { ScrollAction(index, bar, action); });
  // A thumb pressed and released without a move is released where it stands.
  connect(bar, &QAbstractSlider::sliderPressed, this,
          [this, index, bar] { lastTrackPos_[static_cast<std::size_t>(index)] = bar->value(); });
  connect(bar, &QAbstractSlider::sliderReleased, this, [this, index, bar] {
    bar->Request(SB_THUMBPOSITION, lastTrackPos_[static_cast<std::size_t>(index)]);
  });
}

void DialogWindow::ScrollAction(int index, ScrollBarControl* bar, int action) {
  // The bar has already moved its slider for the action; put it back, so that only the
  // window's OnVScroll (through SetScrollPos) moves the thumb.
  const int requested = bar->sliderPosition();
  bar->setSliderPosition(bar->value());
  UINT code = SB_ENDSCROLL;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      code = SB_LINEUP;
      break;
    case QAbstractSlider::SliderSingleStepAdd:
      code = SB_LINEDOWN;
      break;
    case QAbstractSlider::SliderPageStepSub:
      code = SB_PAGEUP;
      break;
    case QAbstractSlider::SliderPageStepAdd:
      code = SB_PAGEDOWN;
      break;
    case QAbstractSlider::SliderToMinimum:
      code = SB_TOP;
      break;
    case QAbstractSlider::SliderToMaximum:
      code = SB_BOTTOM;
      break;
    case QAbstractSlider::SliderMove:
      if (bar->isSliderDown()) {
        lastTrackPos_[static_cast<std::size_t>(index)] = requested;
        bar->Send(SB_THUMBTRACK, requested);
        return;  // position and end follow when the thumb is released
      }
      code = SB_THUMBPOSITION;  // a move without a drag, such as the mouse wheel
      break;
    default:
      return;
  }
  bar->Request(code, requested);
}

bool DialogWindow::MoveInRadioGroup(int index, int key) {
  int step = 0;
  if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
  if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
  if (step == 0) return false;
  const std::vector<int> group = RadioGroupOf(template_, index);
  const auto at = std::find(group.begin(), group.end(), index);
  if (at == group.end()) return false;
  const int count = static_cast<int>(group.size());
  const int from = static_cast<int>(at - group.begin());
  for (int distance = 1; distance < count; ++distance) {
    const int next =
        group[static_cast<std::size_t>(((from + step * distance) % count + count) % count)];
    auto* button = qobject_cast<QAbstractButton*>(ControlAt(next));
    if (button == nullptr || !button->isEnabled() || !button->isVisibleTo(this)) continue;
    button->setFocus(Qt::TabFocusReason);
    button->click();  // selected and reported as by a click
    break;
  }
  return true;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!dying_ && pressTaken_ &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
      qobject_cast<QAbstractButton*>(watched) != nullptr) {
    // The press that moved the focus here was answered by a message box: the click is
    // taken, and the button must not stay drawn pressed without a release to come.
    static_cast<QAbstractButton*>(watched)->setDown(false);
    return true;
  }
  if (!dying_ && event->type() == QEvent::KeyPress) {
    // The arrow keys move through a radio group, round from its last button to its first,
    // and select the button they reach; they never leave the group.
    const auto* key = static_cast<QKeyEvent*>(event);
    const int index = IndexOf(qobject_cast<QWidget*>(watched));
    if (index >= 0 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        template_.controls[static_cast<std::size_t>(index)].kind == ControlKind::kRadioButton &&
        MoveInRadioGroup(index, key->key())) {
      return true;
    }
  }
  if (!dying_ && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Losing the focus to another window (a message box) or to a popup (a combo box's own
    // list) is no focus change within the dialog, and neither is the focus passing on from a
    // control that the program has just disabled.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        widget != nullptr && widget->isEnabled()) {
      const int index = IndexOf(widget);
      if (index >= 0) {
        // The control handles its own focus loss first (a line edit drops its selection
        // there), then the dialog hears of it; a handler that moves the focus back and
        // selects the text thus keeps the selection.
        watched->event(event);
        const bool combo = qobject_cast<QComboBox*>(watched) != nullptr;
        const int modalRuns = ModalScope::RunsStarted();
        owner_.SendNotify(IdAt(index), combo ? CBN_KILLFOCUS : EN_KILLFOCUS);
        if (ModalScope::RunsStarted() != modalRuns) TakeNextPress();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DialogWindow::TakeNextPress() {
  // A focus change made by a mouse press reaches the control before the press itself, which
  // follows in the same delivery; the release went to the message box. Drop presses until
  // the event loop runs again.
  pressTaken_ = true;
  QTimer::singleShot(0, this, [this] { pressTaken_ = false; });
}

void DialogWindow::PressEnter() {
  // In a window with a default push button, Enter presses the push button that has the
  // focus (so Enter on a focused Cancel cancels, as the technician expects), else the default
  // one. A window without a default button ignores Enter (Space still presses a focused
  // button), so Enter cannot start a command of the main window by accident.
  const int index = DefaultButtonIndex(template_);
  if (index < 0) return;
  auto* target = qobject_cast<QPushButton*>(focusWidget());
  if (target == nullptr || !isAncestorOf(target)) {
    target = qobject_cast<QPushButton*>(ControlAt(index));
  }
  if (target != nullptr && target->isEnabled() && target->isVisibleTo(this)) target->click();
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    PressEnter();
    event->accept();
    return;
  }
  if (plain && event->key() == Qt::Key_Escape) {
    owner_.SendNotify(IDCANCEL, BN_CLICKED);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::reject() { owner_.SendNotify(IDCANCEL, BN_CLICKED); }

void DialogWindow::closeEvent(QCloseEvent* event) {
  if (!isVisible()) {
    event->accept();
    return;
  }
  owner_.OnSysCommand(SC_CLOSE, 0);
  if (isVisible()) {
    event->ignore();
  } else {
    event->accept();
  }
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  // Only the background, labels and frames open the system menu; other controls keep theirs.
  QWidget* child = childAt(event->pos());
  const bool background = child == nullptr || qobject_cast<QLabel*>(child) != nullptr ||
                          qobject_cast<QGroupBox*>(child) != nullptr;
  if (!background) {
    event->ignore();
    return;
  }
  DialogPeerAccess::OpenSystemMenuAt(owner_,
                                     ScreenPoint{event->globalPos().x(), event->globalPos().y()});
  event->accept();
}

}  // namespace tqr417::fw
