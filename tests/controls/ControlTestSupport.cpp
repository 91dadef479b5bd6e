#include "ControlTestSupport.h"

#include <cstdint>
#include <cstdio>

#include "controls/CodeIcons.h"
#include "ui/Events.h"
#include "ui/TopLevelWindows.h"
#include "ui/WindowHooks.h"

namespace controlstest {

namespace {

// A 32-bit top-down DIB section with a memory DC.
struct MemoryBitmap {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  std::uint32_t* bits = nullptr;
  int width = 0;
  int height = 0;

  MemoryBitmap(int w, int h) : width(w), height(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<std::uint32_t*>(memory);
    old = SelectObject(dc, bitmap);
  }
  ~MemoryBitmap() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Picture Take() const {
    GdiFlush();
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width * height));
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
      std::uint32_t p = bits ? bits[i] : 0;
      picture.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    return picture;
  }
};

}  // namespace

TestWindow::TestWindow(int number, int width, int height, ui::WindowHook hook) : number_(number) {
  ui::DiscardEvents();
  handle_ = ui::OpenTopLevelWindow(number, 0, 0, width, height, L"Essai des contrôles", ui::kWindowSystemMenu);
  if (hook) ui::SetWindowHook(number, hook);
  SetForegroundWindow(handle_);
  UpdateWindow(handle_);
}

TestWindow::~TestWindow() {
  ui::CloseTopLevelWindow(number_);
  ui::DiscardEvents();
}

void PumpMessages(int milliseconds) {
  DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(1);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

COLORREF Picture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  return pixels[static_cast<size_t>(y * width + x)];
}

Picture ReadWindow(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  MemoryBitmap memory(client.right, client.bottom);
  HDC source = GetDC(window);
  BitBlt(memory.dc, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
  ReleaseDC(window, source);
  return memory.Take();
}

Picture PrintClient(HWND window, COLORREF prefill) {
  RECT client;
  GetClientRect(window, &client);
  MemoryBitmap memory(client.right, client.bottom);
  HBRUSH brush = CreateSolidBrush(prefill);
  FillRect(memory.dc, &client, brush);
  DeleteObject(brush);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.dc), PRF_CLIENT);
  return memory.Take();
}

HICON SolidIcon(int size, COLORREF colour) {
  std::uint32_t argb = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  return controls::CreateIconFromPixels(std::vector<std::uint32_t>(static_cast<size_t>(size * size), argb), size);
}

RECT BoundsOf(const Picture& picture, COLORREF colour, const RECT& within) {
  RECT box{within.right, within.bottom, within.left - 1, within.top - 1};
  for (int y = within.top; y < within.bottom; ++y) {
    for (int x = within.left; x < within.right; ++x) {
      if (picture.At(x, y) != colour) continue;
      if (x < box.left) box.left = x;
      if (y < box.top) box.top = y;
      if (x > box.right) box.right = x;
      if (y > box.bottom) box.bottom = y;
    }
  }
  return box;
}

int CountOther(const Picture& picture, COLORREF colour, const RECT& within) {
  int count = 0;
  for (int y = within.top; y < within.bottom; ++y) {
    for (int x = within.left; x < within.right; ++x) count += picture.At(x, y) != colour;
  }
  return count;
}

int CountColour(const Picture& picture, COLORREF colour, const RECT& within) {
  return (within.right - within.left) * (within.bottom - within.top) - CountOther(picture, colour, within);
}

std::string Hex(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%06lX", static_cast<unsigned long>(colour));
  return text;
}

}  // namespace controlstest
