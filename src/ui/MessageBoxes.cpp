#include "ui/MessageBoxes.h"

#include "ui/Objects.h"

namespace ui {

namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
    case MessageIcon::Stop: return MB_ICONSTOP;
    case MessageIcon::None: break;
  }
  return 0;
}

}  // namespace

int ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon, UINT buttons) {
  return MessageBoxW(ActiveProgramWindow(), text.c_str(), title.c_str(), buttons | IconStyle(icon));
}

}  // namespace ui
