#pragma once
// DialogWindow: the Qt window of one CDialog, built from its template.
//
// It turns what the user does into the dialog's calls: clicks into BN_CLICKED, focus loss of
// an edit or combo box into EN_KILLFOCUS / CBN_KILLFOCUS (real focus changes only: a loss to
// another window or to a popup does not count), scroll bar actions into OnVScroll with the
// SB_ codes, Esc and the close box into IDCANCEL / SC_CLOSE, Enter into the default push
// button, F1 into WinHelp, Alt+Space and a right click on the background into the system menu,
// arrow keys on a radio button into a move to the next button of its group.

#include <QDialog>
#include <QPoint>
#include <vector>

#include "framework/dialog_template.h"

class CDialog;
class QAbstractButton;

namespace tqr417::fw {

class ScrollBarControl;

class DialogWindow : public QDialog {
 public:
  DialogWindow(CDialog& owner, const fw::DialogTemplate& dialogTemplate, QWidget* parent);
  ~DialogWindow() override;

  // The widget of template control `index`.
  QWidget* ControlAt(int index) const { return controls_[static_cast<std::size_t>(index)]; }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // Template index of a widget, -1 when it is none of the controls.
  int IndexOf(const QWidget* widget) const;

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ConnectButton(int index, QAbstractButton* button);
  void ConnectScrollBar(int index, ScrollBarControl* bar);
  void ScrollAction(int index, ScrollBarControl* bar, int action);
  void PressEnter();
  // A focus-loss handler showed a modal window: the mouse press that moved the focus is
  // taken by it and does not reach the button it was made on.
  void TakeNextPress();
  // Arrow key `key` on radio button `index`: focuses and clicks the next enabled button of its
  // group in that direction. Returns false for keys that are no arrows.
  bool MoveInRadioGroup(int index, int key);
  int IdAt(int index) const;

  CDialog& owner_;
  const fw::DialogTemplate& template_;
  std::vector<QWidget*> controls_;
  std::vector<int> lastTrackPos_;  // per control: where the thumb held by the mouse stands
  bool dying_ = false;
  bool pressTaken_ = false;
};

}  // namespace tqr417::fw
