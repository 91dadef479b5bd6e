#pragma once
// What screen readers and other assistive tools see of the program's own windows, through Microsoft Active
// Accessibility. Standard controls answer by themselves; a window the program draws itself describes itself with an
// AccessibleModel: the window (child id 0) and its children (ids 1 to n), each a named element with a role, a state,
// a place on the screen and a default action, or an object of its own (a child window). The COM object that
// carries a model across processes is made here; every call on it asks the model afresh, and once the window is
// gone the object answers that it is disconnected.

#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>

namespace ui {

// Active Accessibility's interface id, spelled out: mingw-w64's oleacc import library gives a thunk, not the GUID.
inline constexpr IID kAccessibleInterface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct AccessibleElement {
  std::wstring name;
  long role = ROLE_SYSTEM_CLIENT;
  long state = 0;
  RECT place{};                // screen coordinates
  std::wstring defaultAction;  // empty when there is none
};

class AccessibleModel {
 public:
  virtual ~AccessibleModel() = default;
  virtual HWND Window() const = 0;
  virtual long ChildCount() const { return 0; }
  // Child id 0 is the window itself; false when the id names nothing (any more).
  virtual bool Describe(long id, AccessibleElement* element) const = 0;
  // A child that is an object of its own (a child window), with a reference for the caller; null for an element.
  virtual IDispatch* ChildObject(long /*id*/) const { return nullptr; }
  // The child with the keyboard focus: 0 the window itself, -1 none.
  virtual long FocusedChild() const { return -1; }
  // The child at a point of the screen: 0 the window itself, -1 outside.
  virtual long ChildAt(POINT /*screen*/) const { return -1; }
  virtual bool DoDefaultAction(long /*id*/) { return false; }
  virtual bool TakeFocus(long /*id*/) { return false; }
};

// The answer to WM_GETOBJECT: an object carrying the model.
LRESULT AccessibleObjectResult(std::unique_ptr<AccessibleModel> model, WPARAM wParam);

// Whether a WM_GETOBJECT asks for the client area's object, the one a model describes.
bool AsksForClientObject(LPARAM lParam);

// Gives a control that shows its text as a picture (the banner's greeting) that text, as static text, for screen
// readers.
void SetAccessibleText(int number, const std::wstring& text);

}  // namespace ui
