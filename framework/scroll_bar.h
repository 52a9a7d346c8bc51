#pragma once
// CScrollBar: a scroll bar control with a range and a thumb position.
//
// The position always lies within the range: setting a position outside it sets the nearest
// bound, and changing the range moves an outside position to the nearest bound. Until the
// member is attached to a control (DDX_Control at the first exchange), and after the
// control's window is gone, it keeps the values itself. The scroll bar does not move by
// itself when the user works it: the window's OnVScroll moves the thumb with SetScrollPos.

#include <memory>

#include "framework/win_types.h"

namespace tqr417::fw {
class ControlPeer;
}

class CScrollBar {
 public:
  CScrollBar() = default;

  // The range min..max (max < min is taken as min..min); the position is clamped into it.
  void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
  void GetScrollRange(int* minPos, int* maxPos) const;
  // Sets the position, clamped into the range; returns the previous position.
  int SetScrollPos(int pos, BOOL redraw = TRUE);
  int GetScrollPos() const;

  // Binds this member to a scroll bar control; the control's range and position become the
  // member's. Called by DDX_Control.
  void Attach(const std::shared_ptr<tqr417::fw::ControlPeer>& control);
  bool IsAttached() const { return Control() != nullptr; }
  // The control while its window exists, else nullptr.
  std::shared_ptr<tqr417::fw::ControlPeer> Control() const { return control_.lock(); }

 private:
  void Remember();  // copies the control's state into the fallback values

  std::weak_ptr<tqr417::fw::ControlPeer> control_;
  int min_ = 0;
  int max_ = 0;
  int pos_ = 0;
};
