#include "ui/WindowHooks.h"

#include "ui/Objects.h"
#include "ui/WindowRecords.h"

namespace ui {

namespace {

WindowRecords<WindowHook>& Hooks() {
  static WindowRecords<WindowHook> hooks;
  return hooks;
}

}  // namespace

void SetWindowHook(int number, WindowHook hook) {
  if (HWND window = WindowHandle(number)) Hooks()[window] = hook;
}

LRESULT CallWindowHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowHook* hook = Hooks().Find(window);
  if (!hook || !*hook) return kNotHandled;
  return (*hook)(window, message, wParam, lParam, kNotHandled);
}

LRESULT CallRootHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowHook(GetAncestor(window, GA_ROOT), message, wParam, lParam);
}

}  // namespace ui
