// tqr417_bare_dialog (Qt): the yardsticks of bench/startup_time.py. Shows one QDialog made of
// plain Qt widgets and runs it, so its start is what Qt alone costs:
//
//   tqr417_bare_dialog main     the main window's template (102): each control the plain Qt
//                               widget of its kind at its place, in the window's font, with
//                               no handler, name, style or value of the program's own
//   tqr417_bare_dialog button   a dialog of the same size and font with one button
//
// The dialog ends with Esc or its close box.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <cstring>

#include "framework/dialog_template.h"
#include "framework/dialog_units.h"
#include "resources/resource_ids.h"

namespace {

using tqr417::fw::ControlKind;
using tqr417::fw::ControlTemplate;

constexpr int kComboFieldHeightDlu = 13;

QWidget* PlainWidget(const ControlTemplate& control, QWidget* parent) {
  const QString caption = QString::fromLatin1(control.caption);
  switch (control.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
      return new QPushButton(caption, parent);
    case ControlKind::kCheckBox:
      return new QCheckBox(caption, parent);
    case ControlKind::kRadioButton:
      return new QRadioButton(caption, parent);
    case ControlKind::kGroupBox:
      return new QGroupBox(caption, parent);
    case ControlKind::kStaticText:
    case ControlKind::kIcon:
      return new QLabel(caption, parent);
    case ControlKind::kEdit:
      return new QLineEdit(parent);
    case ControlKind::kComboDropDown:
    case ControlKind::kComboDropList: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(control.kind == ControlKind::kComboDropDown);
      for (const std::string& item : control.items) combo->addItem(QString::fromLatin1(item));
      return combo;
    }
    case ControlKind::kVScrollBar:
      return new QScrollBar(Qt::Vertical, parent);
  }
  return new QWidget(parent);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool button = argc == 2 && std::strcmp(argv[1], "button") == 0;
  const bool main = argc == 2 && std::strcmp(argv[1], "main") == 0;
  const tqr417::fw::DialogTemplate* setup = tqr417::fw::FindTemplate(tqr417::res::IDD_SETUP_DIALOG);
  if ((!button && !main) || setup == nullptr) return 2;

  const QScreen* screen = QGuiApplication::primaryScreen();
  const tqr417::fw::DialogUnits units(screen == nullptr ? 96.0 : screen->logicalDotsPerInch());
  QDialog dialog;
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(setup->fontPoints);
  dialog.setFont(font);
  dialog.setWindowTitle(main ? QString::fromLatin1(setup->caption) : QStringLiteral("Bare dialog"));
  dialog.setFixedSize(units.ToPixelsX(setup->width), units.ToPixelsY(setup->height));
  if (main) {
    for (const ControlTemplate& control : setup->controls) {
      QWidget* widget = PlainWidget(control, &dialog);
      // A combo box's template height includes its dropped list.
      const bool combo = control.kind == ControlKind::kComboDropDown ||
                         control.kind == ControlKind::kComboDropList;
      const tqr417::fw::PixelRect place = units.ToPixels(
          control.x, control.y, control.width, combo ? kComboFieldHeightDlu : control.height);
      widget->setGeometry(place.x, place.y, place.width, place.height);
      if ((control.flags & tqr417::fw::style::kHidden) != 0) widget->hide();
      if ((control.flags & tqr417::fw::style::kDisabled) != 0) widget->setEnabled(false);
    }
  } else {
    auto* close = new QPushButton(QStringLiteral("Close"), &dialog);
    close->setGeometry(units.ToPixelsX(10), units.ToPixelsY(10), units.ToPixelsX(50),
                       units.ToPixelsY(14));
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
  }
  dialog.exec();
  return 0;
}
