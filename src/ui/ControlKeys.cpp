#include "ui/ControlKeys.h"

#include <vector>

#include "ui/Events.h"
#include "ui/Objects.h"

namespace ui {

namespace {

struct ControlKey {
  int window;
  UINT key;
  int command;
};

std::vector<ControlKey>& Bindings() {
  static std::vector<ControlKey> bindings;
  return bindings;
}

// An edit control, alone or inside a combo box, says it takes a selection; so does a rich edit.
bool TextFieldHasFocus() {
  HWND focus = GetFocus();
  return focus && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0;
}

}  // namespace

void BindControlKey(int windowNumber, UINT virtualKey, int command) {
  Bindings().push_back({windowNumber, virtualKey, command});
}

bool TakenByControlKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !message.hwnd) return false;
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0) return false;
  const int window = WindowNumberOf(GetAncestor(message.hwnd, GA_ROOT));
  for (const ControlKey& binding : Bindings()) {
    if (binding.window != window || binding.key != message.wParam) continue;
    if (TextFieldHasFocus()) return false;
    const bool repeated = (message.lParam & (1L << 30)) != 0;
    if (!repeated) PostMenuEvent(window, binding.command);
    return true;
  }
  return false;
}

}  // namespace ui
