#pragma once
// GroupFrame: a group box drawn as dialogs draw it: an etched frame whose top line runs
// through the middle of the caption, so that the controls placed inside the template's
// rectangle sit inside the frame.

#include <QGroupBox>

namespace tqr417::fw {

class GroupFrame : public QGroupBox {
 public:
  GroupFrame(const QString& title, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tqr417::fw
