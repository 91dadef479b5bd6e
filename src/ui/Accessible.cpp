#include "ui/Accessible.h"

#include <commctrl.h>

#include "ui/Objects.h"

namespace ui {

namespace {

BSTR CopyToBstr(const std::wstring& text) { return SysAllocStringLen(text.data(), static_cast<UINT>(text.size())); }

bool ChildIdOf(const VARIANT& child, long* id) {
  if (child.vt != VT_I4) return false;
  *id = child.lVal;
  return true;
}

void SetChild(VARIANT* result, long id) {
  result->vt = VT_I4;
  result->lVal = id;
}

// The COM side of a model. Each query for the object makes one; the client's references keep it.
class AccessibleObject final : public IAccessible {
 public:
  explicit AccessibleObject(std::unique_ptr<AccessibleModel> model) : model_(std::move(model)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kAccessibleInterface)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: not offered; clients call the interface's methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!Alive()) return RPC_E_DISCONNECTED;
    return AccessibleObjectFromWindow(model_->Window(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    if (!Alive()) return RPC_E_DISCONNECTED;
    *count = model_->ChildCount();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    long id = 0;
    HRESULT valid = Check(child, &id);
    if (valid != S_OK) return valid;
    *object = model_->ChildObject(id);
    return *object ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Text(child, name, [](const AccessibleElement& e) { return e.name; });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return Nothing(child, value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return Nothing(child, text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Number(child, role, [](const AccessibleElement& e) { return e.role; });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Number(child, state, [](const AccessibleElement& e) { return e.state; });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override { return Nothing(child, text); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
    return Nothing(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Alive()) return RPC_E_DISCONNECTED;
    return Answer(model_->FocusedChild(), child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    if (children) VariantInit(children);
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    HRESULT result = Text(child, action, [](const AccessibleElement& e) { return e.defaultAction; });
    if (result == S_OK && SysStringLen(*action) == 0) {
      SysFreeString(*action);
      *action = nullptr;
      return DISP_E_MEMBERNOTFOUND;
    }
    return result;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    long id = 0;
    HRESULT valid = Check(child, &id);
    if (valid != S_OK) return valid;
    if (flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
    return model_->TakeFocus(id) ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    AccessibleElement element;
    HRESULT found = Find(child, &element);
    if (found != S_OK) return found;
    *left = element.place.left;
    *top = element.place.top;
    *width = element.place.right - element.place.left;
    *height = element.place.bottom - element.place.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    long id = 0;
    HRESULT valid = Check(start, &id);
    if (valid != S_OK) return valid;
    const long count = model_->ChildCount();
    long to = 0;
    switch (direction) {
      case NAVDIR_FIRSTCHILD: to = id == CHILDID_SELF ? 1 : 0; break;
      case NAVDIR_LASTCHILD: to = id == CHILDID_SELF ? count : 0; break;
      case NAVDIR_NEXT:
      case NAVDIR_DOWN: to = id == CHILDID_SELF ? 0 : id + 1; break;
      case NAVDIR_PREVIOUS:
      case NAVDIR_UP: to = id == CHILDID_SELF ? 0 : id - 1; break;
      default: return DISP_E_MEMBERNOTFOUND;
    }
    if (to < 1 || to > count) return S_FALSE;
    return Answer(to, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Alive()) return RPC_E_DISCONNECTED;
    long id = model_->ChildAt(POINT{x, y});
    return id < 0 ? S_FALSE : Answer(id, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    long id = 0;
    HRESULT valid = Check(child, &id);
    if (valid != S_OK) return valid;
    return model_->DoDefaultAction(id) ? S_OK : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleObject() = default;

  bool Alive() const { return IsWindow(model_->Window()) != FALSE; }

  HRESULT Check(const VARIANT& child, long* id) const {
    if (!Alive()) return RPC_E_DISCONNECTED;
    if (!ChildIdOf(child, id) || *id < 0 || *id > model_->ChildCount()) return E_INVALIDARG;
    return S_OK;
  }

  HRESULT Find(const VARIANT& child, AccessibleElement* element) const {
    long id = 0;
    HRESULT valid = Check(child, &id);
    if (valid != S_OK) return valid;
    return model_->Describe(id, element) ? S_OK : E_INVALIDARG;
  }

  // A child as VARIANT: an object of its own where it has one, its id otherwise.
  HRESULT Answer(long id, VARIANT* result) const {
    if (id < 0) return S_FALSE;
    if (id > 0) {
      if (IDispatch* object = model_->ChildObject(id)) {
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        return S_OK;
      }
    }
    SetChild(result, id);
    return S_OK;
  }

  template <typename Field>
  HRESULT Text(const VARIANT& child, BSTR* text, Field field) const {
    if (!text) return E_POINTER;
    *text = nullptr;
    AccessibleElement element;
    HRESULT found = Find(child, &element);
    if (found != S_OK) return found;
    *text = CopyToBstr(field(element));
    return *text ? S_OK : E_OUTOFMEMORY;
  }

  template <typename Field>
  HRESULT Number(const VARIANT& child, VARIANT* number, Field field) const {
    if (!number) return E_POINTER;
    VariantInit(number);
    AccessibleElement element;
    HRESULT found = Find(child, &element);
    if (found != S_OK) return found;
    SetChild(number, field(element));
    return S_OK;
  }

  HRESULT Nothing(const VARIANT& child, BSTR* text) const {
    if (!text) return E_POINTER;
    *text = nullptr;
    long id = 0;
    HRESULT valid = Check(child, &id);
    return valid == S_OK ? S_FALSE : valid;
  }

  std::unique_ptr<AccessibleModel> model_;
  LONG references_ = 1;
};

// A control whose text is a picture: one static text.
class FixedTextModel final : public AccessibleModel {
 public:
  FixedTextModel(HWND window, std::wstring text) : window_(window), text_(std::move(text)) {}
  HWND Window() const override { return window_; }
  bool Describe(long id, AccessibleElement* element) const override {
    if (id != CHILDID_SELF) return false;
    element->name = text_;
    element->role = ROLE_SYSTEM_STATICTEXT;
    element->state = STATE_SYSTEM_READONLY | (IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE);
    GetWindowRect(window_, &element->place);
    return true;
  }
  long ChildAt(POINT screen) const override {
    RECT place;
    GetWindowRect(window_, &place);
    return PtInRect(&place, screen) ? CHILDID_SELF : -1;
  }

 private:
  HWND window_;
  std::wstring text_;
};

constexpr UINT_PTR kAccessibleTextSubclass = 0x7A11;
constexpr const wchar_t* kAccessibleTextProperty = L"TarvelleAccessibleText";

LRESULT CALLBACK AccessibleTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR data) {
  auto* text = reinterpret_cast<std::wstring*>(data);
  if (message == WM_GETOBJECT && AsksForClientObject(lParam)) {
    return AccessibleObjectResult(std::make_unique<FixedTextModel>(window, *text), wParam);
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, AccessibleTextProc, kAccessibleTextSubclass);
    RemovePropW(window, kAccessibleTextProperty);
    delete text;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

LRESULT AccessibleObjectResult(std::unique_ptr<AccessibleModel> model, WPARAM wParam) {
  auto* object = new AccessibleObject(std::move(model));
  LRESULT result = LresultFromObject(kAccessibleInterface, wParam, object);
  object->Release();  // the result holds its own reference
  return result;
}

bool AsksForClientObject(LPARAM lParam) { return static_cast<LONG>(lParam) == OBJID_CLIENT; }

void SetAccessibleText(int number, const std::wstring& text) {
  HWND control = ControlHandle(number);
  if (!control) return;
  if (auto* kept = static_cast<std::wstring*>(GetPropW(control, kAccessibleTextProperty))) {
    *kept = text;
    return;
  }
  auto* kept = new std::wstring(text);
  if (!SetWindowSubclass(control, AccessibleTextProc, kAccessibleTextSubclass, reinterpret_cast<DWORD_PTR>(kept))) {
    delete kept;
    return;
  }
  SetPropW(control, kAccessibleTextProperty, kept);
}

}  // namespace ui
