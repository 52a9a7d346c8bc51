#include "framework/wait_rule.h"

#include <atomic>
#include <vector>

#include "framework/modal_scope.h"
#include "framework/toolkit.h"

namespace tqr417::fw {
namespace {

using toolkit::WaitCursorLook;

// The modal depth each living wait began at, innermost last. Waits nest with the modal runs,
// so the innermost one began deepest: a wait begun inside a modal window opened during
// another wait drops that window's input.
std::vector<int> g_waitDepths;
std::atomic<int> g_dropped{0};
WaitCursorLook g_shownLook = WaitCursorLook::kNone;

// Tells the toolkit when the look has changed; it keeps each look until told otherwise.
void ShowLookNow() {
  const WaitCursorLook look = g_waitDepths.empty() ? WaitCursorLook::kNone
                              : WaitCursorShown()  ? WaitCursorLook::kWait
                                                   : WaitCursorLook::kArrow;
  if (look == g_shownLook) return;
  g_shownLook = look;
  toolkit::ShowWaitCursor(look);
}

}  // namespace

bool WaitCursorShown() {
  return !g_waitDepths.empty() && ModalScope::Depth() <= g_waitDepths.back();
}

bool DropNow() {
  if (!WaitCursorShown()) return false;
  ++g_dropped;
  return true;
}

int DroppedInputEvents() { return g_dropped.load(); }

void BeginWait() {
  g_waitDepths.push_back(ModalScope::Depth());
  ShowLookNow();
}

void EndWait() {
  if (!g_waitDepths.empty()) g_waitDepths.pop_back();
  ShowLookNow();
}

void ModalDepthChanged() { ShowLookNow(); }

}  // namespace tqr417::fw
