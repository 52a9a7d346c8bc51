// Accessible names for assistive technology. Each control's name is handed to the system's
// accessibility services (IAccPropServices from oleacc), which then answer get_accName for
// the control's client object with it instead of the name guessed from the window's text.
// Where the system lacks those services (Wine 8 answers E_NOTIMPL), the control answers
// WM_GETOBJECT itself, through its hook (control_subclass.h), with the system's own object for
// it, wrapped so that only get_accName changes.

#include "framework/win32/control_subclass.h"

// oleacc.h needs <windows.h> first.
#include <oleacc.h>

#include <string>

#include "framework/win32/win32_text.h"

namespace tqr417::fw {
namespace {

// The accessibility services' identifiers of oleacc.h, here rather than from MinGW's uuid
// library, which also defines IID_IAccessible as oleacc's import library does: linking both
// fails. The interfaces' own come from __uuidof.
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

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's client object of a control with another name: every call but get_accName of
// the control itself goes to the system's object.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* inner, std::wstring name) : inner_(inner), name_(std::move(name)) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualGUID(id, __uuidof(IUnknown)) || IsEqualGUID(id, __uuidof(IDispatch)) ||
        IsEqualGUID(id, __uuidof(IAccessible))) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return inner_->QueryInterface(id, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) return E_POINTER;
    if (!IsSelf(child)) return inner_->get_accName(child, name);
    *name = SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  // Everything else is the system object's answer: (method, parameters, arguments).
  // clang-format off
#define TQR417_FORWARD(method, params, args) \
  HRESULT STDMETHODCALLTYPE method params override { return inner_->method args; }
  TQR417_FORWARD(GetTypeInfoCount, (UINT* count), (count))
  TQR417_FORWARD(GetTypeInfo, (UINT index, LCID locale, ITypeInfo** info), (index, locale, info))
  TQR417_FORWARD(GetIDsOfNames, (REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids),
                 (id, names, count, locale, ids))
  TQR417_FORWARD(Invoke, (DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* params,
                          VARIANT* result, EXCEPINFO* exception, UINT* argError),
                 (member, id, locale, flags, params, result, exception, argError))
  TQR417_FORWARD(get_accParent, (IDispatch** parent), (parent))
  TQR417_FORWARD(get_accChildCount, (LONG* count), (count))
  TQR417_FORWARD(get_accChild, (VARIANT child, IDispatch** object), (child, object))
  TQR417_FORWARD(get_accValue, (VARIANT child, BSTR* value), (child, value))
  TQR417_FORWARD(get_accDescription, (VARIANT child, BSTR* text), (child, text))
  TQR417_FORWARD(get_accRole, (VARIANT child, VARIANT* role), (child, role))
  TQR417_FORWARD(get_accState, (VARIANT child, VARIANT* state), (child, state))
  TQR417_FORWARD(get_accHelp, (VARIANT child, BSTR* help), (child, help))
  TQR417_FORWARD(get_accHelpTopic, (BSTR* file, VARIANT child, LONG* topic), (file, child, topic))
  TQR417_FORWARD(get_accKeyboardShortcut, (VARIANT child, BSTR* keys), (child, keys))
  TQR417_FORWARD(get_accFocus, (VARIANT* child), (child))
  TQR417_FORWARD(get_accSelection, (VARIANT* children), (children))
  TQR417_FORWARD(get_accDefaultAction, (VARIANT child, BSTR* action), (child, action))
  TQR417_FORWARD(accSelect, (LONG flags, VARIANT child), (flags, child))
  TQR417_FORWARD(accLocation, (LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child),
                 (left, top, width, height, child))
  TQR417_FORWARD(accNavigate, (LONG direction, VARIANT start, VARIANT* end),
                 (direction, start, end))
  TQR417_FORWARD(accHitTest, (LONG x, LONG y, VARIANT* child), (x, y, child))
  TQR417_FORWARD(accDoDefaultAction, (VARIANT child), (child))
  TQR417_FORWARD(put_accName, (VARIANT child, BSTR name), (child, name))
  TQR417_FORWARD(put_accValue, (VARIANT child, BSTR value), (child, value))
#undef TQR417_FORWARD
  // clang-format on

 private:
  virtual ~NamedAccessible() { inner_->Release(); }

  IAccessible* inner_;  // owned: one reference
  std::wstring name_;
  LONG references_ = 1;
};

// True once the system's accessibility services have answered that they take no names
// (Wine 8 answers E_NOTIMPL for every control): they are not asked again.
thread_local bool g_servicesLackNames = false;

// Makes `control` answer WM_GETOBJECT with `name` (none: the system's object as it is). The
// name is kept with the control's hook, in the program's own memory.
void AnswerWithName(HWND control, std::wstring name) {
  if (name.empty()) {
    if (ControlHook* hook = FindHook(control)) hook->name.clear();
    return;
  }
  if (ControlHook* hook = HookControl(control)) hook->name = std::move(name);
}

}  // namespace

bool AnswerWithOwnName(HWND control, const std::wstring& name, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return false;
  IAccessible* system = nullptr;
  if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&system)))) {
    return false;
  }
  auto* named = new NamedAccessible(system, name);
  result = LresultFromObject(__uuidof(IAccessible), wParam, named);
  named->Release();  // the result holds its own reference
  return true;
}

void SetAccessibleName(HWND window, const CString& name) {
  if (window == nullptr) return;
  IAccPropServices* services = g_servicesLackNames ? nullptr : Services();
  const auto object = static_cast<DWORD>(OBJID_CLIENT);
  HRESULT result = g_servicesLackNames ? E_NOTIMPL : E_NOINTERFACE;
  if (services != nullptr && name.IsEmpty()) {
    // No name of its own: the one the system derives from the window's text applies again.
    MSAAPROPID property = kNameProperty;
    result = services->ClearHwndProps(window, object, CHILDID_SELF, &property, 1);
  } else if (services != nullptr) {
    result = services->SetHwndPropStr(window, object, CHILDID_SELF, kNameProperty,
                                      WideFromLatin1(name).c_str());
  }
  if (result == E_NOTIMPL) g_servicesLackNames = true;
  AnswerWithName(window, SUCCEEDED(result) ? std::wstring() : WideFromLatin1(name));
}

CString AccessibleNameOf(HWND control) {
  if (control == nullptr || Services() == nullptr) return CString();  // Services starts COM
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return CString();
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  CString text;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
    text = Latin1FromWide(std::wstring(name, SysStringLen(name)));
  }
  SysFreeString(name);
  accessible->Release();
  return text;
}

}  // namespace tqr417::fw
