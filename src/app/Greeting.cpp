#include "app/Greeting.h"

#include <windows.h>

#include "app/FrenchDate.h"
#include "app/GreetingText.h"
#include "base/Numbers.h"
#include "ui/Accessible.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace app {

std::wstring FrenchLongDateToday() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return FrenchLongDate({now.wYear, now.wMonth, now.wDay, now.wDayOfWeek});
}

std::optional<std::wstring> LoginName() {
  wchar_t name[1024] = {};
  DWORD size = 1024;
  if (!GetUserNameW(name, &size)) return std::nullopt;
  return std::wstring(name);
}

void DrawGreetingOnBanner() { DrawGreetingLines(GreetingFirstLine(LoginName()), GreetingSecondLine(FrenchLongDateToday())); }

void DrawGreetingLines(const std::wstring& first, const std::wstring& second) {
  const ui::Image* banner = ui::FindImage(base::kBannerPicture);
  if (!banner || !banner->bitmap) return;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return;
  HGDIOBJ oldBitmap = SelectObject(dc, banner->bitmap);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HGDIOBJ oldFont = SelectObject(dc, ui::FontHandle(base::kGreetingFont));
  TextOutW(dc, ui::Scaled(10), ui::Scaled(5), first.c_str(), static_cast<int>(first.size()));
  TextOutW(dc, ui::Scaled(10), ui::Scaled(20), second.c_str(), static_cast<int>(second.size()));
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  // Painted into the picture, the greeting is read to screen-reader users from the banner's own object.
  ui::SetAccessibleText(base::kBannerImage, first + L" " + second);
}

}  // namespace app
