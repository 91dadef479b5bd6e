#pragma once
// Every control of the main window, created in the order that gives the keyboard focus order:
// the task pane with its groups, the file list and its neighbours, the three mode panels, the activity line,
// the progress bar and the command bar.

namespace app {

// Numbers of the main window's controls. No number 17 is used.
enum MainControl : int {
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
};

// The main window's inner height at creation; three sizes are computed from it once.
inline constexpr int kMainInnerHeight = 718;

// Start-up step 13.
void CreateMainControls();

// Parts of step 13, in their order.
void CreateTaskPaneContent();
void CreateListArea();
void CreateModePanels();
void CreateProgressArea();
void CreateCommandBar();

}  // namespace app
