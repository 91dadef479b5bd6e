#pragma once
// The fixed numbers of the program's windows, menus, commands and pictures.

namespace app {

// Windows.
inline constexpr int kMainWindow = 0;
inline constexpr int kAboutWindow = 64;

// Main window controls (the full list lies with the code that creates them).
inline constexpr int kBannerImage = 0;
inline constexpr int kSideImage = 1;
inline constexpr int kStatusBar = 60;

// Popup menus and their entries.
inline constexpr int kExplorerMenu = 51;
inline constexpr int kExplorerAdd = 52;
inline constexpr int kExplorerOpen = 53;
inline constexpr int kListMenu = 54;
inline constexpr int kListProperties = 55;
inline constexpr int kListOpen = 56;
inline constexpr int kListRemove = 57;
inline constexpr int kListRecycle = 58;
inline constexpr int kListDelete = 59;

// Task pane link commands.
inline constexpr int kAddFilesCommand = 5;
inline constexpr int kAddFolderCommand = 6;

// Font.
inline constexpr int kGreetingFont = 0;

// Pictures with fixed numbers 1 to 18; the six button icons get fresh numbers at load time.
inline constexpr int kFirstImage = 1;
inline constexpr int kLastImage = 18;
inline constexpr int kBannerPicture = 7;
inline constexpr int kSidePicture = 8;

}  // namespace app
