#include "framework/win32/native_subclass.h"

#include <unordered_map>

namespace tqr417::fw::win32 {
namespace {

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
  if (hook.typing) return EditTyping(previous, hook.upperCase, control, message, wParam, lParam);
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

}  // namespace tqr417::fw::win32
