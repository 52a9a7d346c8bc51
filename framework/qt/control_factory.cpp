#include "framework/qt/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/qt/dialog_style.h"
#include "framework/qt/edit_validator.h"
#include "framework/qt/group_frame.h"
#include "framework/qt/qt_icons.h"
#include "framework/qt/qt_text.h"
#include "framework/qt/screen_units.h"
#include "framework/qt/scroll_bar_control.h"
#include "framework/template_rules.h"

namespace tqr417::fw {
namespace {

using fw::ControlKind;
namespace s = fw::style;

// Room a check box or radio button needs beside its caption: the indicator and the spacing.
constexpr int kIndicatorWidthPx = 17;

QString Caption(const fw::ControlTemplate& control) {
  return QString::fromLatin1(control.caption.data(),
                             static_cast<qsizetype>(control.caption.size()));
}

Qt::FocusPolicy InputFocus(const fw::ControlTemplate& control) {
  return (control.flags & s::kTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus;
}

QWidget* MakeButton(const fw::ControlTemplate& control, QWidget* parent) {
  auto* button = new QPushButton(Caption(control), parent);
  button->setAutoDefault(false);
  button->setDefault(control.kind == ControlKind::kDefPushButton);
  button->setFocusPolicy(InputFocus(control));
  return button;
}

QWidget* MakeCheck(const fw::ControlTemplate& control, QWidget* parent) {
  QAbstractButton* button = nullptr;
  if (control.kind == ControlKind::kRadioButton) {
    auto* radio = new QRadioButton(Caption(control), parent);
    radio->setAutoExclusive(false);
    button = radio;
  } else {
    button = new QCheckBox(Caption(control), parent);
  }
  if ((control.flags & s::kLeftText) != 0) button->setLayoutDirection(Qt::RightToLeft);
  button->setFocusPolicy(InputFocus(control));
  button->setStyle(DialogStyle::Instance());
  return button;
}

QWidget* MakeLabel(const fw::ControlTemplate& control, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(DisplayCaption(control.caption)), parent);
  Qt::Alignment horizontal = Qt::AlignLeft;
  if ((control.flags & s::kCentre) != 0) horizontal = Qt::AlignHCenter;
  if ((control.flags & s::kRight) != 0) horizontal = Qt::AlignRight;
  label->setAlignment(horizontal | Qt::AlignTop);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QWidget* MakeIcon(const fw::ControlTemplate& control, QWidget* parent, const DialogUnits& units) {
  auto* label = new QLabel(parent);
  const int iconId = std::atoi(control.caption.c_str());
  const int side = static_cast<int>(std::lround(32.0 * units.BaseX() / 6.0));  // 32 px at 96 dpi
  label->setPixmap(QtIcon(iconId).pixmap(side, side));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* MakeEdit(const fw::ControlTemplate& control, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setValidator(new EditValidator((control.flags & s::kUpperCase) != 0, edit));
  edit->setFocusPolicy(InputFocus(control));
  return edit;
}

QWidget* MakeCombo(const fw::ControlTemplate& control, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  const bool editable = control.kind == ControlKind::kComboDropDown;
  if (editable) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->lineEdit()->setValidator(
        new EditValidator((control.flags & s::kUpperCase) != 0, combo->lineEdit()));
  }
  std::vector<std::string> items = control.items;
  if ((control.flags & s::kSorted) != 0) {
    std::stable_sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
      return QString::fromLatin1(a).compare(QString::fromLatin1(b), Qt::CaseInsensitive) < 0;
    });
  }
  for (const std::string& item : items) combo->addItem(QString::fromLatin1(item));
  combo->setCurrentIndex(-1);
  if (editable) combo->setEditText(QString());
  combo->setFocusPolicy(InputFocus(control));
  combo->setStyle(DialogStyle::Instance());
  return combo;
}

QWidget* MakeScrollBar(const fw::ControlTemplate& control, QWidget* parent) {
  auto* bar = new ScrollBarControl(parent);
  bar->setRange(0, 0);  // a scroll bar control starts with an empty range
  bar->setSingleStep(1);
  bar->setPageStep(10);
  bar->setFocusPolicy((control.flags & s::kTabStop) != 0 ? Qt::StrongFocus : Qt::NoFocus);
  bar->setStyle(DialogStyle::Instance());
  return bar;
}

// The templates were laid out for a narrower font than the sans fonts found here, so a caption
// that does not fit its control is drawn in a smaller size rather than cut off; the control
// keeps its template geometry.
void FitCaption(QWidget* widget, const QString& text, int extraWidth) {
  if (text.isEmpty()) return;
  const QRect box = widget->geometry();
  const int width = box.width() - extraWidth;
  const bool wraps = qobject_cast<QLabel*>(widget) != nullptr;
  QFont font = widget->font();
  constexpr double kSmallestPoints = 6.5;
  for (double points = font.pointSizeF(); points >= kSmallestPoints; points -= 0.5) {
    font.setPointSizeF(points);
    const QFontMetrics metrics(font);
    const bool fits =
        wraps ? metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height() <=
                    box.height()
              : metrics.horizontalAdvance(text) <= width;
    if (fits) break;
  }
  if (font != widget->font()) widget->setFont(font);
}

}  // namespace

QWidget* CreateControl(const fw::ControlTemplate& control, QWidget* parent,
                       const DialogUnits& units) {
  QWidget* widget = nullptr;
  int heightDlu = control.height;
  switch (control.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
      widget = MakeButton(control, parent);
      break;
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      widget = MakeCheck(control, parent);
      break;
    case ControlKind::kGroupBox:
      widget = new GroupFrame(Caption(control), parent);
      break;
    case ControlKind::kStaticText:
      widget = MakeLabel(control, parent);
      break;
    case ControlKind::kIcon:
      widget = MakeIcon(control, parent, units);
      break;
    case ControlKind::kEdit:
      widget = MakeEdit(control, parent);
      break;
    case ControlKind::kComboDropDown:
    case ControlKind::kComboDropList:
      widget = MakeCombo(control, parent);
      heightDlu = std::min(heightDlu, kComboFieldHeightDlu);
      break;
    case ControlKind::kVScrollBar:
      widget = MakeScrollBar(control, parent);
      break;
  }
  widget->setGeometry(ToQRect(units.ToPixels(control.x, control.y, control.width, heightDlu)));
  if (control.kind == ControlKind::kStaticText) {
    FitCaption(widget, static_cast<QLabel*>(widget)->text(), 0);
  } else if (control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kRadioButton) {
    FitCaption(widget, static_cast<QAbstractButton*>(widget)->text(), kIndicatorWidthPx);
  }
  if ((control.flags & s::kDisabled) != 0) widget->setEnabled(false);
  if ((control.flags & s::kHidden) != 0) widget->setVisible(false);
  return widget;
}

EditValidator* ValidatorOf(QWidget* control) {
  QLineEdit* edit = qobject_cast<QLineEdit*>(control);
  if (edit == nullptr) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) edit = combo->lineEdit();
  }
  if (edit == nullptr) return nullptr;
  return dynamic_cast<EditValidator*>(const_cast<QValidator*>(edit->validator()));
}

}  // namespace tqr417::fw
