#include "app/ScaleChange.h"

#include "base/LayoutGeometry.h"
#include "ui/ScaleChanges.h"
#include "ui/WindowScaling.h"

namespace app {

namespace {

int windowDotsPerInch = base::kDesignDotsPerInch;

}  // namespace

void SetMainWindowDotsPerInch(int dotsPerInch) {
  if (dotsPerInch > 0) windowDotsPerInch = dotsPerInch;
}

void ApplyDpiChange(HWND window, int newDotsPerInch, const RECT& suggested) {
  if (newDotsPerInch <= 0) return;
  // The scale keeps its ratio to the monitor's: a window that was lowered to fit stays lowered as much.
  const double after = ui::LayoutScale() * newDotsPerInch / windowDotsPerInch;
  windowDotsPerInch = newDotsPerInch;
  ui::ChangeLayoutScale(after, window, newDotsPerInch, suggested);
}

}  // namespace app
