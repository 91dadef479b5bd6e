#include "ui/Events.h"

#include <deque>

#include "ui/ControlKeys.h"
#include "ui/DialogKeys.h"
#include "ui/Objects.h"

namespace ui {

namespace {

std::deque<Event>& Queue() {
  static std::deque<Event> queue;
  return queue;
}

// The dialog manager would turn Escape and Enter into the commands IDCANCEL (2) and IDOK (1), which are numbers
// of real controls here; those keys go to the focused control instead.
bool IsDialogCommandKey(const MSG& message) {
  return (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
         (message.wParam == VK_ESCAPE || message.wParam == VK_RETURN);
}

constexpr const wchar_t* kOwnTabProperty = L"TarvelleOwnTabOrder";

// Tab for a window with its own keyboard order around the focus; true when it moved the focus.
bool TakenByOwnTabOrder(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  const WPARAM backward = GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
  for (HWND window = message.hwnd; window; window = GetParent(window)) {
    if (GetPropW(window, kOwnTabProperty)) {
      if (!SendMessageW(window, OwnTabMessage(), backward, reinterpret_cast<LPARAM>(message.hwnd))) return false;
      ShowFocusCues(window);  // as the dialog navigation does
      return true;
    }
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) break;
  }
  return false;
}

// Tab and Shift+Tab move between the controls of the program's own top-level windows.
void Dispatch(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && TakenByControlKey(message)) return;
  if (root && WindowNumberOf(root) >= 0 && TakenByOwnTabOrder(message)) return;
  if (root && HandleDialogKey(root, message)) return;
  if (root && WindowNumberOf(root) >= 0 && !IsDialogCommandKey(message) && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

Event TakeFront() {
  Event event = Queue().front();
  Queue().pop_front();
  return event;
}

}  // namespace

void PostEvent(const Event& event) { Queue().push_back(event); }

void PostMenuEvent(int windowNumber, int command) {
  Event event;
  event.kind = kMenuEvent;
  event.window = windowNumber;
  event.command = command;
  PostEvent(event);
}

Event WaitEvent() {
  while (Queue().empty()) {
    MSG message;
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return {};
    }
    if (got < 0) return {};
    Dispatch(message);
  }
  return TakeFront();
}

Event PollEvent() {
  MSG message;
  while (Queue().empty() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return {};
    }
    Dispatch(message);
  }
  if (Queue().empty()) return {};
  return TakeFront();
}

void DiscardEvents() { Queue().clear(); }

void KeepOwnTabOrder(HWND window) { SetPropW(window, kOwnTabProperty, reinterpret_cast<HANDLE>(1)); }
void ForgetOwnTabOrder(HWND window) { RemovePropW(window, kOwnTabProperty); }

UINT OwnTabMessage() {
  static const UINT message = RegisterWindowMessageW(L"TarvelleOwnTab");
  return message;
}

}  // namespace ui
