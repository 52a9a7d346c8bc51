#pragma once
// ScrollBarControl: the widget of a scroll bar control.
//
// The control never moves its thumb by itself: every way of working it (the arrows, the
// shaft, the thumb, the wheel, the keyboard and the accessibility interface's actions and
// value) becomes one scroll request with its SB_ code, handed to the window, whose OnVScroll
// moves the thumb with SetScrollPos. Assistive technology gets this control's own accessible
// interface: "Increase" asks for SB_LINEDOWN, "Decrease" for SB_LINEUP, and setting the value
// asks for SB_THUMBPOSITION at that value, each followed by SB_ENDSCROLL, so the rows that
// the window shows always follow the thumb.

#include <QScrollBar>
#include <functional>

#include "framework/win_types.h"

namespace tqr417::fw {

class ScrollBarControl : public QScrollBar {
  Q_OBJECT

 public:
  // Receives one request: an SB_ code and, for the thumb codes, the position.
  using Requester = std::function<void(UINT code, int pos)>;

  explicit ScrollBarControl(QWidget* parent);

  void SetRequester(Requester requester) { requester_ = std::move(requester); }
  // Sends `code` (with `pos`) and then SB_ENDSCROLL, as one action of the user.
  void Request(UINT code, int pos);
  // Sends `code` alone: a position while the thumb is being dragged.
  void Send(UINT code, int pos);

 private:
  Requester requester_;
};

}  // namespace tqr417::fw
