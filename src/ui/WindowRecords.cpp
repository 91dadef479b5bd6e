#include "ui/WindowRecords.h"

#include <commctrl.h>

namespace ui {

namespace {

// One subclass per set of records and window, named by the set's address.
LRESULT CALLBACK ForgetOnDestroyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR) {
  if (message != WM_NCDESTROY) return DefSubclassProc(window, message, wParam, lParam);
  // The window's own procedure still finds its records as it handles its last message.
  RemoveWindowSubclass(window, ForgetOnDestroyProc, id);
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  reinterpret_cast<WindowRecordsBase*>(id)->Forget(window);
  return result;
}

}  // namespace

bool WindowRecordsBase::WatchDestruction(HWND window) {
  return SetWindowSubclass(window, ForgetOnDestroyProc, reinterpret_cast<UINT_PTR>(this), 0) != FALSE;
}

}  // namespace ui
