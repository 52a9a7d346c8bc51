// Accessible names for assistive technology: a named control answers WM_GETOBJECT for its
// client object itself, through its hook (control_subclass.h), with the system's own object
// for it wrapped so that only get_accName changes. That is how a control supplies its own
// accessible object on Windows, and it works under Wine, whose accessibility services take no
// names (IAccPropServices answers E_NOTIMPL there).

#include "framework/win32/control_subclass.h"

// oleacc.h needs <windows.h> first.
#include <oleacc.h>

#include <string>

#include "platform/wide_text.h"

namespace tqr417::fw {
namespace {

// COM for this thread, which handing out an accessible object and reading one need; started
// once and left running as long as the program.
bool ComStarted() {
  thread_local const bool started = [] {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
  }();
  return started;
}

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
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return inner_->get_accName(child, name);
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

void SetAccessibleName(HWND control, const CString& name) {
  if (control == nullptr || !ComStarted()) return;
  if (name.IsEmpty()) {
    if (ControlHook* hook = FindHook(control)) hook->name.clear();
  } else if (ControlHook* hook = HookControl(control)) {
    hook->name = WideFromLatin1(name.str());
  }
}

CString AccessibleNameOf(HWND control) {
  if (control == nullptr || !ComStarted()) return CString();
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return CString();
  }
  VARIANT self{};  // VT_EMPTY, as VariantInit makes it
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
