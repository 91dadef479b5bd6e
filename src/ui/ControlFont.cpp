#include "ui/ControlFont.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "ui/Controls.h"
#include "ui/WindowScaling.h"

namespace ui {

namespace {

std::vector<std::wstring>& Samples() {
  static std::vector<std::wstring> samples;
  return samples;
}

std::vector<int> MeasureSamples(const LOGFONTW& description) {
  std::vector<int> widths;
  HFONT font = CreateFontIndirectW(&description);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!font || !dc) {
    if (font) DeleteObject(font);
    if (dc) DeleteDC(dc);
    return widths;
  }
  HGDIOBJ old = SelectObject(dc, font);
  for (const std::wstring& sample : Samples()) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, sample.c_str(), static_cast<int>(sample.size()), &extent);
    widths.push_back(extent.cx);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return widths;
}

bool FitsRoom(const std::vector<int>& measured, const std::vector<int>& design, double ratio) {
  if (measured.size() != design.size()) return false;
  for (size_t i = 0; i < measured.size(); ++i) {
    if (measured[i] > design[i] * ratio) return false;
  }
  return true;
}

}  // namespace

void SetControlFontSamples(std::vector<std::wstring> samples) { Samples() = std::move(samples); }

// The system's default control font (DEFAULT_GUI_FONT) names "MS Shell Dlg", which Windows draws with Microsoft
// Sans Serif; asking for that face by name gives the same font there and the same metrics where the alias is
// mapped to a wider face, so the fixed control widths hold their texts everywhere.
//
// The stock font is made for the system's dots per inch; the program's is made for its layout scale: the tallest
// whose text is no wider than the 96-DPI text times the scale, so that a caption that fits its place at 96 DPI
// fits it at every scale. Glyph widths do not follow the height exactly, least of all in small sizes, hence the
// measure. One font per scale in use, kept for the whole run: a change of scale may leave controls of another
// window on the old one.
HFONT DefaultControlFont() {
  static std::map<int, HFONT> fonts;
  const int dotsPerInch = LayoutDotsPerInch();
  auto found = fonts.find(dotsPerInch);
  if (found != fonts.end()) return found->second;
  LOGFONTW description{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
  lstrcpynW(description.lfFaceName, L"Microsoft Sans Serif", LF_FACESIZE);
  const int systemDpi = static_cast<int>(GetDpiForSystem());
  if (systemDpi > 0 && (systemDpi != base::kDesignDotsPerInch || LayoutScale() != 1.0)) {
    description.lfHeight = MulDiv(description.lfHeight, base::kDesignDotsPerInch, systemDpi);
    const std::vector<int> design = MeasureSamples(description);
    // Below 100 % the system's check boxes and edges keep their 96-DPI size: captions get a little less than
    // their share of the smaller controls.
    const double ratio = LayoutScale() < 1.0 ? LayoutScale() * 0.97 : LayoutScale();
    const int sign = description.lfHeight < 0 ? -1 : 1;
    int height = static_cast<int>(std::abs(description.lfHeight) * LayoutScale());  // toward zero: never taller
    for (; height > 1 && !design.empty(); --height) {
      description.lfHeight = sign * height;
      if (FitsRoom(MeasureSamples(description), design, ratio)) break;
    }
    description.lfHeight = sign * std::max(height, 1);
  }
  HFONT made = CreateFontIndirectW(&description);
  if (!made) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts[dotsPerInch] = made;
  return made;
}

void RefreshControlFonts(HFONT oldDefault) {
  HFONT now = DefaultControlFont();
  if (now == oldDefault) return;
  ForEachProgramControl([oldDefault, now](HWND child) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
    // A status bar keeps the system's font at 96 DPI; it follows the scale like the others.
    if (font == oldDefault || (!font && ClassNameOf(child) == STATUSCLASSNAMEW)) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(now), FALSE);
    }
  });
}

}  // namespace ui
