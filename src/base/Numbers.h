#pragma once
// Every fixed number of the program: its windows, the controls of each window, the popup menus and their entries,
// the task pane's link commands, the pictures and the font. Every other file takes its numbers from here.
// Window-free. A control's number is also its Windows control id.

namespace base {

// Top-level windows.
inline constexpr int kMainWindow = 0;
inline constexpr int kAboutWindow = 64;
// Not one of the numbers of the program's other windows; only open while the window runs its own loop.
inline constexpr int kForbiddenCharactersWindow = 80;

// Controls of the main window, in creation order (which gives the keyboard focus order). No number 17 is used.
enum MainControl : int {
  kBannerImage = 0,
  kSideImage = 1,
  kTaskPane = 2,
  kTypeLabel = 3,
  kTypeField = 4,
  kPlacesBox = 7,
  kExplorer = 8,
  kListCaption = 9,
  kFileList = 10,
  kProgressBar = 11,
  kFolderPathField = 12,
  kOpenFolderButton = 13,
  kReplaceModeBox = 14,
  kRenumberModeBox = 15,
  kAppendModeBox = 16,
  kReplacePanel = 18,
  kPartLabel = 19,
  kPartField = 20,
  kReplacementLabel = 21,
  kReplacementField = 22,
  kRemoveOnlyBox = 23,
  kRenumberPanel = 24,
  kNewNameLabel = 25,
  kNewNameField = 26,
  kRenumberIncrementLabel = 27,
  kRenumberIncrementField = 28,
  kRenumberStartLabel = 29,
  kRenumberStartField = 30,
  kRenumberSeparatorBox = 31,
  kActivityLine = 32,
  kAppendPanel = 33,
  kAddedTextLabel = 34,
  kAddedTextField = 35,
  kAtStartOption = 36,
  kAtEndOption = 37,
  kNumberingBox = 38,
  kAppendIncrementField = 39,
  kAppendStartLabel = 40,
  kAppendStartField = 41,
  kAppendSeparatorBox = 42,
  kCommandBar = 43,
  kCharactersButton = 44,
  kRenameButton = 45,
  kRemoveSelectionButton = 46,
  kClearAllButton = 47,
  kHelpButton = 48,
  kAboutButton = 49,
  kQuitButton = 50,
  kStatusBar = 60,
};

// Elements of the About window.
enum AboutElement : int {
  kAboutPanel = 65,
  kAboutWebsiteIcon = 67,
  kAboutWebsiteLink = 68,
  kAboutSupportIcon = 69,
  kAboutSupportLink = 70,
  kAboutNotice = 75,
  kAboutCloseButton = 76,
  kAboutStatusBar = 77,
  kAboutPicture = 78,
};

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
// The list's order, chosen from its popup menu as by a click on a column header.
inline constexpr int kListSortByName = 90;
inline constexpr int kListSortByPath = 91;
// "Annuler le dernier renommage", from the list's popup menu and by Ctrl+Z.
inline constexpr int kUndoRenameCommand = 92;
// Paths handed from outside (dropped on the window, on the command line, from a second start) wait to be added.
inline constexpr int kArrivedPathsCommand = 93;
// The explorer control's drive that did not answer when opened: "Le dossier choisi n'est pas accessible."
inline constexpr int kUnansweredDriveCommand = 94;

// The task pane's links send these commands to the main window.
inline constexpr int kAddFilesCommand = 5;
inline constexpr int kAddFolderCommand = 6;

// Pictures with fixed numbers, named by their first use; the six button icons get fresh numbers when loaded.
enum PictureNumber : int {
  kExplorerGroupPicture = 1,   // header of "Explorateur système"
  kSelectionGroupPicture = 2,  // header of "Sélection de fichiers"
  kAddFolderPicture = 3,       // link "Ajouter un répertoire complet"
  kAddFilesPicture = 4,        // link "Ajouter un ou plusieurs fichiers", entry "Ajouter"
  kStatusPicture = 5,          // icon field of the status bars, the About window's website icon
  kFolderPicture = 6,          // places box entries, open-folder button, entry "Ouvrir"
  kBannerPicture = 7,          // the greeting is drawn onto it
  kSidePicture = 8,
  kInfoBalloonIcon = 9,        // every balloon tooltip but two
  kQuitBalloonIcon = 10,
  kAboutButtonPicture = 11,
  kAboutWindowPicture = 12,    // the JPEG picture
  kSupportPicture = 13,
  kRecyclePicture = 14,
  kDeletePicture = 15,
  kPropertiesPicture = 16,
  kRemoveFromListPicture = 17,
  kOpenPicture = 18,
  kUndoPicture = 19,           // entry "Annuler le dernier renommage"
};
inline constexpr int kFirstPicture = kExplorerGroupPicture;
inline constexpr int kLastPicture = kUndoPicture;

// Fonts.
inline constexpr int kGreetingFont = 0;

// Upper end of the progress bar.
inline constexpr int kProgressMaximum = 100;

}  // namespace base
