#include "win32/ButtonAccessible.h"

#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

ButtonAccessible::ButtonAccessible(HWND window, const Source& source) : source_(&source) {
  void* standard = nullptr;
  if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, &standard))) {
    standard_ = static_cast<IAccessible*>(standard);
  }
}

ButtonAccessible::~ButtonAccessible() {
  if (standard_ != nullptr) standard_->Release();
}

void ButtonAccessible::Disconnect() { source_ = nullptr; }

HRESULT ButtonAccessible::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, IID_IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ButtonAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ButtonAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ButtonAccessible::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT ButtonAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT ButtonAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT ButtonAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT ButtonAccessible::get_accName(VARIANT child, BSTR* name) {
  if (name == nullptr) return E_POINTER;
  *name = nullptr;
  if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (!IsSelf(child)) return E_INVALIDARG;
  const std::wstring text = Wide(source_->AccessibleName());
  *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *name != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT ButtonAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (role == nullptr) return E_POINTER;
  VariantInit(role);
  if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (!IsSelf(child)) return E_INVALIDARG;
  role->vt = VT_I4;
  role->lVal = ROLE_SYSTEM_PUSHBUTTON;
  return S_OK;
}

HRESULT ButtonAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (state == nullptr) return E_POINTER;
  VariantInit(state);
  if (source_ == nullptr) return CO_E_OBJNOTCONNECTED;
  if (!IsSelf(child)) return E_INVALIDARG;
  // What the window is (shown, hidden), from the standard object; lit or not, from the panel.
  LONG flags = 0;
  VARIANT standardState;
  VariantInit(&standardState);
  if (standard_ != nullptr && SUCCEEDED(standard_->get_accState(child, &standardState)) && standardState.vt == VT_I4) {
    flags = standardState.lVal & ~(STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSABLE);
  }
  flags |= STATE_SYSTEM_SELECTABLE;
  if (source_->AccessibleSelected()) flags |= STATE_SYSTEM_SELECTED;
  state->vt = VT_I4;
  state->lVal = flags;
  return S_OK;
}

HRESULT ButtonAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (description != nullptr) *description = nullptr;
  return IsSelf(child) ? S_FALSE : E_INVALIDARG;
}

HRESULT ButtonAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (value != nullptr) *value = nullptr;
  return IsSelf(child) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
}

HRESULT ButtonAccessible::get_accChildCount(LONG* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT ButtonAccessible::get_accChild(VARIANT, IDispatch** object) {
  if (object != nullptr) *object = nullptr;
  return E_INVALIDARG;
}

// The rest is the standard object's.
HRESULT ButtonAccessible::get_accParent(IDispatch** parent) {
  if (IAccessible* standard = Standard()) return standard->get_accParent(parent);
  if (parent != nullptr) *parent = nullptr;
  return CO_E_OBJNOTCONNECTED;
}
HRESULT ButtonAccessible::get_accHelp(VARIANT child, BSTR* help) {
  if (help != nullptr) *help = nullptr;
  return IsSelf(child) ? S_FALSE : E_INVALIDARG;
}
HRESULT ButtonAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file != nullptr) *file = nullptr;
  if (topic != nullptr) *topic = 0;
  return S_FALSE;
}
HRESULT ButtonAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (shortcut != nullptr) *shortcut = nullptr;
  return IsSelf(child) ? S_FALSE : E_INVALIDARG;
}
HRESULT ButtonAccessible::get_accFocus(VARIANT* child) {
  if (IAccessible* standard = Standard()) return standard->get_accFocus(child);
  return CO_E_OBJNOTCONNECTED;
}
HRESULT ButtonAccessible::get_accSelection(VARIANT* children) {
  if (children == nullptr) return E_POINTER;
  VariantInit(children);
  return S_FALSE;
}
HRESULT ButtonAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (action != nullptr) *action = nullptr;
  return IsSelf(child) ? S_FALSE : E_INVALIDARG;
}
HRESULT ButtonAccessible::accSelect(LONG, VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT ButtonAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (IAccessible* standard = Standard()) return standard->accLocation(left, top, width, height, child);
  return CO_E_OBJNOTCONNECTED;
}
HRESULT ButtonAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (IAccessible* standard = Standard()) return standard->accNavigate(direction, start, end);
  return CO_E_OBJNOTCONNECTED;
}
HRESULT ButtonAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (IAccessible* standard = Standard()) return standard->accHitTest(x, y, child);
  return CO_E_OBJNOTCONNECTED;
}
// A click opens the carer's colour and font choice: nothing a screen reader
// should do on the user's behalf.
HRESULT ButtonAccessible::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT ButtonAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT ButtonAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace sorvane::win32
