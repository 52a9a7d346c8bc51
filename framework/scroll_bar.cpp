#include "framework/scroll_bar.h"

#include <QScrollBar>
#include <algorithm>

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL /*redraw*/) {
  if (maxPos < minPos) maxPos = minPos;
  if (QScrollBar* bar = Control()) {
    bar->setRange(minPos, maxPos);  // clamps the position
    Remember();
    return;
  }
  min_ = minPos;
  max_ = maxPos;
  pos_ = std::clamp(pos_, min_, max_);
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const {
  const QScrollBar* bar = Control();
  if (minPos != nullptr) *minPos = bar != nullptr ? bar->minimum() : min_;
  if (maxPos != nullptr) *maxPos = bar != nullptr ? bar->maximum() : max_;
}

int CScrollBar::SetScrollPos(int pos, BOOL /*redraw*/) {
  const int previous = GetScrollPos();
  if (QScrollBar* bar = Control()) {
    bar->setValue(pos);  // clamps into the range
    Remember();
  } else {
    pos_ = std::clamp(pos, min_, max_);
  }
  return previous;
}

int CScrollBar::GetScrollPos() const {
  const QScrollBar* bar = Control();
  return bar != nullptr ? bar->value() : pos_;
}

void CScrollBar::Attach(QScrollBar* control) {
  control_ = control;
  Remember();
}

QScrollBar* CScrollBar::Control() const { return control_.data(); }

void CScrollBar::Remember() {
  if (const QScrollBar* bar = Control()) {
    min_ = bar->minimum();
    max_ = bar->maximum();
    pos_ = bar->value();
  }
}
