#pragma once
// A 16 x 16 icon of one opaque colour, for tests that check where a picture ends up.

#include <windows.h>

namespace uitest {

inline HICON MakeSolidIcon(COLORREF colour, int size = 16) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP pixels = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!pixels) return nullptr;
  DWORD argb = 0xFF000000u | (static_cast<DWORD>(GetRValue(colour)) << 16) |
               (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
  for (int i = 0; i < size * size; ++i) static_cast<DWORD*>(bits)[i] = argb;
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ICONINFO iconInfo{TRUE, 0, 0, mask, pixels};
  HICON icon = CreateIconIndirect(&iconInfo);
  DeleteObject(pixels);
  DeleteObject(mask);
  return icon;
}

}  // namespace uitest
