// Accessible names for assistive technology: each control's name is handed to the system's
// accessibility services (IAccPropServices from oleacc), which then answer get_accName for
// the control's client object with it instead of the name guessed from the window's text.
// Wine 8 answers E_NOTIMPL; the controls then keep the names Wine derives, and nothing else
// changes.

#include <windows.h>
// oleacc.h needs <windows.h> first.
#include <oleacc.h>

#include "framework/win32/native.h"
#include "framework/win32/win32_text.h"

namespace tqr417::fw::win32 {
namespace {

// The identifiers of oleacc.h, here rather than from MinGW's uuid library, whose one object
// file with every identifier also defines IID_IAccessible, which oleacc's import library
// defines too: linking both fails.
constexpr GUID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

// The accessibility services of this thread, nullptr when the system has none. COM is
// started for the thread once; the services object lives as long as the program (releasing
// it after COM has been shut down at exit would crash).
IAccPropServices* Services() {
  thread_local IAccPropServices* services = [] {
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(started) && started != RPC_E_CHANGED_MODE)
      return static_cast<IAccPropServices*>(nullptr);
    IAccPropServices* made = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                kAccPropServicesInterface, reinterpret_cast<void**>(&made)))) {
      return static_cast<IAccPropServices*>(nullptr);
    }
    return made;
  }();
  return services;
}

}  // namespace

long SetAccessibleName(Window control, const CString& name) {
  if (control == nullptr) return E_HANDLE;
  IAccPropServices* services = Services();
  if (services == nullptr) return E_NOINTERFACE;
  HWND window = static_cast<HWND>(control);
  const auto object = static_cast<DWORD>(OBJID_CLIENT);
  if (name.IsEmpty()) {
    // No name of its own: the one the system derives from the window's text applies again.
    MSAAPROPID property = kNameProperty;
    return services->ClearHwndProps(window, object, CHILDID_SELF, &property, 1);
  }
  return services->SetHwndPropStr(window, object, CHILDID_SELF, kNameProperty,
                                  WideFromLatin1(name).c_str());
}

}  // namespace tqr417::fw::win32
