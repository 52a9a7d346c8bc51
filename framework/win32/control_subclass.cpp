#include "framework/win32/control_subclass.h"

#include <unordered_map>

#include "framework/modal_scope.h"

namespace tqr417::fw {
namespace {

// A button pressed with the mouse takes the focus first; when that focus move opens a modal
// window (a field's check answering with its message), that window has taken the press: the
// button is not left down, and the release that follows does not click it.
LRESULT ButtonPress(WNDPROC previous, HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK) {
    return CallWindowProcW(previous, button, message, wParam, lParam);
  }
  const int runsBefore = ModalScope::RunsStarted();
  const LRESULT result = CallWindowProcW(previous, button, message, wParam, lParam);
  if (ModalScope::RunsStarted() != runsBefore) {
    if (GetCapture() == button) ReleaseCapture();
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
  }
  return result;
}

// The hooks of this thread's controls (a window's messages always arrive on the thread that
// made it). Node-based, so a hook stays where it is while others come and go.
thread_local std::unordered_map<HWND, ControlHook> g_hooks;

LRESULT CALLBACK HookedControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = g_hooks.find(control);
  if (found == g_hooks.end()) return DefWindowProcW(control, message, wParam, lParam);
  ControlHook& hook = found->second;
  // Copied: a message may destroy the control, and its hook with it, before it returns.
  const WNDPROC previous = hook.previous;
  if (message == WM_NCDESTROY) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)) == &HookedControl) {
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    g_hooks.erase(found);
    return CallWindowProcW(previous, control, message, wParam, lParam);
  }
  if (message == WM_GETOBJECT && !hook.name.empty()) {
    const std::wstring name = hook.name;
    LRESULT result = 0;
    if (AnswerWithOwnName(control, name, wParam, lParam, result)) return result;
  }
  // Typing and pasting into an edit field go through the dialog layer's input rule (the text
  // the program sets does not).
  if (hook.typing && TakeFieldInput(control, message, wParam, hook.upperCase)) return 0;
  if (hook.press) return ButtonPress(previous, control, message, wParam, lParam);
  return CallWindowProcW(previous, control, message, wParam, lParam);
}

}  // namespace

ControlHook* HookControl(HWND control) {
  if (control == nullptr) return nullptr;
  if (ControlHook* hook = FindHook(control)) return hook;
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedControl)));
  if (previous == nullptr) return nullptr;
  ControlHook& hook = g_hooks[control];
  hook.previous = previous;
  return &hook;
}

ControlHook* FindHook(HWND control) {
  const auto found = g_hooks.find(control);
  return found == g_hooks.end() ? nullptr : &found->second;
}

}  // namespace tqr417::fw
