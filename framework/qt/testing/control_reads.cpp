// What a Qt control shows, for the test driver: read from the widget itself rather than
// through the dialog layer, so that a peer that loses a change is caught.

#include <QAbstractButton>
#include <QComboBox>
#include <QScrollBar>

#include "framework/dialog.h"
#include "framework/qt/qt_access.h"
#include "framework/testing/dialog_driver.h"
#include "framework/wnd.h"

namespace tqr417::fw {

const int keys::kUp = Qt::Key_Up;
const int keys::kDown = Qt::Key_Down;
const int keys::kLeft = Qt::Key_Left;
const int keys::kRight = Qt::Key_Right;

bool DialogDriver::Checked(int controlId) {
  auto* button = qobject_cast<QAbstractButton*>(QtWidget(dialog_.GetDlgItem(controlId)));
  return button != nullptr && button->isChecked();
}

int DialogDriver::Selection(int controlId) {
  auto* combo = qobject_cast<QComboBox*>(QtWidget(dialog_.GetDlgItem(controlId)));
  return combo != nullptr ? combo->currentIndex() : -1;
}

int DialogDriver::ThumbPos(int controlId) {
  auto* bar = qobject_cast<QScrollBar*>(QtWidget(dialog_.GetDlgItem(controlId)));
  return bar != nullptr ? bar->sliderPosition() : 0;
}

}  // namespace tqr417::fw
