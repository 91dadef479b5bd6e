#pragma once
// Access to the visual-style functions for the icon buttons. "UxTheme.dll" is loaded at run time and its six
// functions are looked up by name, so the program also runs where the library is missing.

#include <windows.h>
#include <uxtheme.h>

namespace controls {

struct ThemeApi {
  HMODULE library = nullptr;
  BOOL(WINAPI* isThemeActive)() = nullptr;
  HTHEME(WINAPI* openThemeData)(HWND window, LPCWSTR classList) = nullptr;
  BOOL(WINAPI* isThemeBackgroundPartiallyTransparent)(HTHEME theme, int part, int state) = nullptr;
  HRESULT(WINAPI* drawThemeParentBackground)(HWND window, HDC dc, const RECT* area) = nullptr;
  HRESULT(WINAPI* drawThemeBackground)(HTHEME theme, HDC dc, int part, int state, const RECT* area,
                                       const RECT* clip) = nullptr;
  HRESULT(WINAPI* closeThemeData)(HTHEME theme) = nullptr;
  int themesActive = 0;  // ThemesActive: 0 at start, set from IsThemeActive by LoadThemeApi
};

// The process-wide theme access shared by all icon buttons.
ThemeApi& SharedThemeApi();

// ThemesActive: non-zero when the buttons draw with the visual style.
int ThemesActive();

// Fills the theme access: when the program's module carries a manifest (resource type 24, id 1), loads
// "UxTheme.dll" afresh and takes ThemesActive from IsThemeActive. Otherwise changes nothing.
void LoadThemeApi();

// Makes the buttons draw in the themed (non-zero) or classic (0) look until the next LoadThemeApi; for tests and
// the demonstration window, which show both looks.
void ForceThemesActive(int active);

// Frees "UxTheme.dll" at the end of the run; the buttons draw classic afterwards.
void ReleaseThemeApi();

}  // namespace controls
