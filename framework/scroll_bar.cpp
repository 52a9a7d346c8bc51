#include "framework/scroll_bar.h"

#include <algorithm>

#include "framework/toolkit.h"

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL /*redraw*/) {
  if (maxPos < minPos) maxPos = minPos;
  if (const auto bar = Control()) {
    const int pos = bar->GetScrollPos();
    bar->SetScrollRange(minPos, maxPos);
    bar->SetScrollPos(std::clamp(pos, minPos, maxPos));
    Remember();
    return;
  }
  min_ = minPos;
  max_ = maxPos;
  pos_ = std::clamp(pos_, min_, max_);
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const {
  int low = min_;
  int high = max_;
  if (const auto bar = Control()) bar->GetScrollRange(low, high);
  if (minPos != nullptr) *minPos = low;
  if (maxPos != nullptr) *maxPos = high;
}

int CScrollBar::SetScrollPos(int pos, BOOL /*redraw*/) {
  const int previous = GetScrollPos();
  if (const auto bar = Control()) {
    int low = 0;
    int high = 0;
    bar->GetScrollRange(low, high);
    bar->SetScrollPos(std::clamp(pos, low, high));
    Remember();
  } else {
    pos_ = std::clamp(pos, min_, max_);
  }
  return previous;
}

int CScrollBar::GetScrollPos() const {
  const auto bar = Control();
  return bar ? bar->GetScrollPos() : pos_;
}

void CScrollBar::Attach(const std::shared_ptr<tqr417::fw::ControlPeer>& control) {
  control_ = control;
  Remember();
}

void CScrollBar::Remember() {
  if (const auto bar = Control()) {
    bar->GetScrollRange(min_, max_);
    pos_ = bar->GetScrollPos();
  }
}
