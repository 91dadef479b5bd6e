#pragma once
// The main window (number 0): fixed 1014 x 718 client area at 96 DPI (times the layout scale), caption with system menu and minimise box only,
// created hidden and centred; its hook, banner and side images, popup menus and status bar.

#include <windows.h>

namespace app {

inline constexpr int kMainClientWidth = 1014;
inline constexpr int kMainClientHeight = 718;

// Before any picture, font or window is made: the layout scale for the primary monitor, where the window opens.
void ChooseLayoutScale();
// Start-up step 10: null when the window cannot be created.
HWND CreateMainWindow();
// Step 11; also binds Ctrl+Z to "Annuler le dernier renommage".
void InstallMainWindowHook();
// Step 12: the banner with its greeting, then the side image.
void CreateBannerAndSideImage();
// Step 14.
void CreatePopupMenus();
// Step 15.
void CreateMainStatusBar();
// Step 16.
void ShowMainWindow();

}  // namespace app
