#include "controls/ThemeApi.h"

namespace controls {

namespace {

bool HasManifest() {
  return FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) != nullptr;
}

template <typename Function>
void LookUp(HMODULE library, const char* name, Function& entry) {
  entry = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

ThemeApi& SharedThemeApi() {
  static ThemeApi api;
  return api;
}

int ThemesActive() { return SharedThemeApi().themesActive; }

void LoadThemeApi() {
  if (!HasManifest()) return;
  ThemeApi& api = SharedThemeApi();
  if (api.library) FreeLibrary(api.library);
  int active = api.themesActive;
  api = ThemeApi{};
  api.themesActive = active;
  api.library = LoadLibraryW(L"UxTheme.dll");
  if (!api.library) {
    api.themesActive = 0;
    return;
  }
  LookUp(api.library, "IsThemeActive", api.isThemeActive);
  LookUp(api.library, "OpenThemeData", api.openThemeData);
  LookUp(api.library, "IsThemeBackgroundPartiallyTransparent", api.isThemeBackgroundPartiallyTransparent);
  LookUp(api.library, "DrawThemeParentBackground", api.drawThemeParentBackground);
  LookUp(api.library, "DrawThemeBackground", api.drawThemeBackground);
  LookUp(api.library, "CloseThemeData", api.closeThemeData);
  if (api.isThemeActive) api.themesActive = api.isThemeActive() ? 1 : 0;
}

void ForceThemesActive(int active) { SharedThemeApi().themesActive = active; }

void ReleaseThemeApi() {
  ThemeApi& api = SharedThemeApi();
  HMODULE library = api.library;
  api = ThemeApi{};
  if (library) FreeLibrary(library);
}

}  // namespace controls
