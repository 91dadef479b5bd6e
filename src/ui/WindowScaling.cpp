#include "ui/WindowScaling.h"

#include <cmath>

#include "ui/WindowRecords.h"

namespace ui {

namespace {

double currentScale = 1.0;

WindowRecords<base::LayoutBox>& DesignBoxes() {
  static WindowRecords<base::LayoutBox> boxes;
  return boxes;
}

}  // namespace

double LayoutScale() { return currentScale; }

void SetLayoutScale(double scale) { currentScale = scale > 0 ? scale : 1.0; }

int Scaled(int designValue) { return base::ScaledEdge(designValue, currentScale); }

int ScaledSize(int designLength) { return base::ScaledLength(designLength, currentScale); }

int DesignValue(int pixels) { return static_cast<int>(std::floor(pixels / currentScale + 1e-9)); }

int LayoutDotsPerInch() { return base::ScaledDotsPerInch(currentScale); }

int SmallIconSize() { return GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(LayoutDotsPerInch())); }

base::LayoutBox PixelBox(int x, int y, int width, int height) {
  return base::ScaledBox({x, y, width, height}, currentScale);
}

void RememberDesignBox(HWND window, int x, int y, int width, int height) {
  if (window) DesignBoxes()[window] = {x, y, width, height};
}

void PlaceAtDesignBox(HWND window, int x, int y, int width, int height) {
  if (!window) return;
  RememberDesignBox(window, x, y, width, height);
  const base::LayoutBox box = PixelBox(x, y, width, height);
  SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ForgetDesignBox(HWND window) { DesignBoxes().Forget(window); }

void PlaceAllAtScale() {
  DesignBoxes().ForEach([](HWND window, const base::LayoutBox& design) {
    const base::LayoutBox box = PixelBox(design.x, design.y, design.width, design.height);
    SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  });
}

}  // namespace ui
